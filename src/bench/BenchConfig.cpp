#include "bench/BenchConfig.h"

#include "core/LogCategories.h"
#include "core/NumberText.h"
#include "core/TextFile.h"

#include <QFileInfo>
#include <QSettings>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

// The values a key accepts: a bench a little beyond any real one, whose optics and pictures stay
// finite.
struct Span {
    double min;
    double max;
    bool orZero = false; // 0 is accepted too, meaning "off"
    bool holds(double value) const {
        return (value >= min && value <= max) || (orZero && value == 0);
    }
    QString wanted() const {
        return QStringLiteral("%1a number from %2 to %3")
            .arg(orZero ? QStringLiteral("0 or ") : QString(), numberText(min), numberText(max));
    }
};

const Span AnyLength{-1000, 1000};
const Span Pixels{-10000, 10000}; // beyond the largest frame either way
const Span Fraction{0, 255};

std::optional<KnifeSide> parseSide(const QString& text) {
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("right"))
        return KnifeSide::Right;
    if (word == QLatin1String("left"))
        return KnifeSide::Left;
    return std::nullopt;
}

template <typename Integer> std::optional<Integer> parseCount(const QString& text, Integer max) {
    bool ok = false;
    const qulonglong parsed = text.trimmed().toULongLong(&ok);
    if (!ok || parsed > qulonglong(max))
        return std::nullopt;
    return Integer(parsed);
}

// Reads the keys of one bench file, remembering the first bad one.
class BenchFileReader {
  public:
    explicit BenchFileReader(const QString& path)
        : path_(path), settings_(path, QSettings::IniFormat),
          lines_(readTextLines(path).value_or(QStringList())) {}

    QSettings::Status status() const { return settings_.status(); }
    QStringList keys() const { return settings_.allKeys(); }
    const QString& problem() const { return problem_; }

    void decimal(const char* key, double& value, Span span) {
        read(key, value, span.wanted(), [span](const QString& text) {
            const auto parsed = parseNumber(text);
            return parsed && span.holds(*parsed) ? parsed : std::nullopt;
        });
    }
    template <typename Integer> void count(const char* key, Integer& value, Integer max) {
        const QString wanted = max == std::numeric_limits<Integer>::max()
                                   ? QStringLiteral("a whole number of 0 or more")
                                   : QStringLiteral("a whole number from 0 to %1").arg(max);
        read(key, value, wanted,
             [max](const QString& text) { return parseCount<Integer>(text, max); });
    }
    void flag(const char* key, bool& value) {
        read(key, value, QStringLiteral("True or False"),
             [](const QString& text) { return parseBool(text); });
    }
    void side(const char* key, KnifeSide& value) {
        read(key, value, QStringLiteral("right or left"), parseSide);
    }
    void terms(const char* key, std::vector<SurfaceTerm>& value) {
        read(key, value,
             QStringLiteral("a list of power:nanometres pairs with powers from 1 to %1 and "
                            "nanometres from -%2 to %2")
                 .arg(numberText(MaxSurfacePower), numberText(MaxSurfaceNanometres)),
             [](const QString& text) { return parseSurfaceError(text); });
    }
    // Where a key stands, for messages: ", line N" or nothing.
    QString lineOf(const QString& name) const {
        const int line = iniKeyLine(lines_, name);
        return line > 0 ? QStringLiteral(", line %1").arg(line) : QString();
    }

  private:
    // The INI reader splits a value at its commas; they are put back before parsing.
    template <typename T, typename Parse>
    void read(const char* key, T& value, const QString& wanted, Parse parse) {
        const QString name = QLatin1String(key);
        if (!problem_.isEmpty() || !settings_.contains(name))
            return;
        const QString text = settings_.value(name).toStringList().join(QLatin1Char(','));
        if (auto parsed = parse(text)) {
            value = std::move(*parsed);
            return;
        }
        const qsizetype slash = name.indexOf(QLatin1Char('/'));
        problem_ =
            QStringLiteral("Bench file \"%1\"%2: the value \"%3\" of [%4] %5 is not %6.")
                .arg(path_, lineOf(name), text, name.left(slash), name.mid(slash + 1), wanted);
    }

    QString path_;
    QSettings settings_;
    QStringList lines_;
    QString problem_;
};

const QStringList KnownKeys = {
    "mirror/diameter",       "mirror/roc",        "mirror/conic",      "mirror/surface_error",
    "source/fixed",          "source/slit_width", "knife/side",        "start/knife_offset",
    "start/platform_offset", "motors/tf_step",    "motors/lr_step",    "motors/invert",
    "motors/swap",           "motors/reverse_lr", "motors/reverse_tf", "motors/backlash",
    "camera/center_x",       "camera/center_y",   "camera/radius",     "camera/gain",
    "camera/background",     "camera/noise",      "camera/seed",       "camera/drift_x",
    "camera/drift_y",        "camera/fps",        "camera/width",      "camera/height",
    "mirror/conic_drift",
};

QString sectionAndKey(const QString& key) {
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    return slash < 0 ? key : QStringLiteral("[%1] %2").arg(key.left(slash), key.mid(slash + 1));
}

void readAll(BenchFileReader& in, BenchConfig& c) {
    const Span halfStep{1e-6, 0.1}; // inches, as the settings take them
    in.decimal("mirror/diameter", c.mirror.diameter, {0.1, 1000});
    in.decimal("mirror/roc", c.mirror.roc, {0.1, 100000});
    in.decimal("mirror/conic", c.mirror.conic, AnyLength);
    in.terms("mirror/surface_error", c.mirror.surfaceError);
    in.decimal("mirror/conic_drift", c.mirror.conicDrift, {-1, 1});
    in.flag("source/fixed", c.source.fixed);
    in.decimal("source/slit_width", c.source.slitWidth, {1e-5, 1});
    in.side("knife/side", c.knifeSide);
    in.decimal("start/knife_offset", c.start.knifeOffset, {-10, 10});
    in.decimal("start/platform_offset", c.start.platformOffset, {-100, 100});
    in.decimal("motors/tf_step", c.motors.tfStep, halfStep);
    in.decimal("motors/lr_step", c.motors.lrStep, halfStep);
    in.flag("motors/invert", c.motors.invert);
    in.flag("motors/swap", c.motors.swap);
    in.flag("motors/reverse_lr", c.motors.reverseLr);
    in.flag("motors/reverse_tf", c.motors.reverseTf);
    in.count("motors/backlash", c.motors.backlash, MaxBacklash);
    in.decimal("camera/center_x", c.camera.centerX, Pixels);
    in.decimal("camera/center_y", c.camera.centerY, Pixels);
    in.decimal("camera/radius", c.camera.radius, {1, Pixels.max});
    in.decimal("camera/gain", c.camera.gain, Fraction);
    in.decimal("camera/background", c.camera.background, Fraction);
    in.decimal("camera/noise", c.camera.noise, Fraction);
    in.count("camera/seed", c.camera.seed, std::numeric_limits<quint64>::max());
    in.decimal("camera/drift_x", c.camera.driftX, {-10, 10});
    in.decimal("camera/drift_y", c.camera.driftY, {-10, 10});
    in.decimal("camera/fps", c.camera.fps, {1, 1000, true});
    in.count("camera/width", c.camera.width, MaxFrameSide);
    in.count("camera/height", c.camera.height, MaxFrameSide);
}

} // namespace

std::optional<BenchConfig> loadBenchConfig(const QString& path, QString* error) {
    auto fail = [&](const QString& message) {
        qCDebug(lcBench).noquote() << message;
        if (error)
            *error = message;
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return fail(QStringLiteral("Bench file \"%1\" cannot be read.").arg(path));
    BenchFileReader in(path);
    if (in.status() != QSettings::NoError)
        return fail(QStringLiteral("Bench file \"%1\" is not a valid INI file.").arg(path));
    for (const QString& key : in.keys()) {
        if (!KnownKeys.contains(key))
            return fail(QStringLiteral("Bench file \"%1\"%2: unknown key %3.")
                            .arg(path, in.lineOf(key), sectionAndKey(key)));
    }
    BenchConfig config;
    readAll(in, config);
    if (!in.problem().isEmpty())
        return fail(in.problem());
    if (const QString problem = benchConfigProblem(config); !problem.isEmpty())
        return fail(QStringLiteral("Bench file \"%1\": %2").arg(path, problem));
    qCDebug(lcBench).nospace() << "loaded " << path << ": mirror " << config.mirror.diameter
                               << " in, ROC " << config.mirror.roc << ", conic "
                               << config.mirror.conic << ", " << config.mirror.surfaceError.size()
                               << " error terms; knife "
                               << (config.knifeSide == KnifeSide::Right ? "right" : "left")
                               << ", source " << (config.source.fixed ? "fixed" : "moving")
                               << "; half-steps " << config.motors.tfStep << " / "
                               << config.motors.lrStep << " in; camera seed " << config.camera.seed
                               << ", noise " << config.camera.noise;
    return config;
}

std::optional<std::vector<SurfaceTerm>> parseSurfaceError(QStringView text) {
    std::vector<SurfaceTerm> terms;
    if (text.trimmed().isEmpty())
        return terms;
    for (QStringView item : text.split(QLatin1Char(','))) {
        const auto pair = item.split(QLatin1Char(':'));
        if (pair.size() != 2)
            return std::nullopt;
        const auto power = parseNumber(pair[0]);
        const auto nanometres = parseNumber(pair[1]);
        if (!power || !nanometres || *power < 1 || *power > MaxSurfacePower ||
            std::abs(*nanometres) > MaxSurfaceNanometres)
            return std::nullopt;
        terms.push_back({*power, *nanometres});
    }
    return terms;
}

QString benchConfigProblem(const BenchConfig& config) {
    const double semi = config.mirror.diameter / 2;
    const double roc = config.mirror.roc;
    if (roc <= semi)
        return QStringLiteral("a radius of curvature of %1 is not beyond the mirror's "
                              "semi-diameter, %2.")
            .arg(numberText(roc), numberText(semi));
    if ((1 + config.mirror.conic) * semi * semi >= roc * roc)
        return QStringLiteral("a conic of %1 with a radius of curvature of %2 has no surface "
                              "at the mirror's edge.")
            .arg(numberText(config.mirror.conic), numberText(roc));
    const BenchConfig::Camera& camera = config.camera;
    if (camera.width < MinFrameSide || camera.width > MaxFrameSide ||
        camera.height < MinFrameSide || camera.height > MaxFrameSide)
        return QStringLiteral("a camera frame of %1 x %2 pixels is outside %3 to %4 a side.")
            .arg(camera.width)
            .arg(camera.height)
            .arg(MinFrameSide)
            .arg(MaxFrameSide);
    return {};
}

} // namespace orvane
