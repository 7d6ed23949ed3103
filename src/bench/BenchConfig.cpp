#include "bench/BenchConfig.h"

#include "core/LogCategories.h"
#include "core/NumberText.h"

#include <QFileInfo>
#include <QSettings>
#include <cmath>
#include <limits>

namespace orvane {

namespace {

enum class Range { Any, Positive, NotNegative };

std::optional<double> parseDecimal(const QString& text, Range range) {
    const auto parsed = parseNumber(text);
    if (!parsed || !std::isfinite(*parsed))
        return std::nullopt;
    if ((range == Range::Positive && *parsed <= 0) || (range == Range::NotNegative && *parsed < 0))
        return std::nullopt;
    return parsed;
}

const char* decimalWanted(Range range) {
    switch (range) {
    case Range::Positive:
        return "a positive number";
    case Range::NotNegative:
        return "a number of 0 or more";
    case Range::Any:
        break;
    }
    return "a number";
}

std::optional<KnifeSide> parseSide(const QString& text) {
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("right"))
        return KnifeSide::Right;
    if (word == QLatin1String("left"))
        return KnifeSide::Left;
    return std::nullopt;
}

template <typename Integer> std::optional<Integer> parseCount(const QString& text) {
    bool ok = false;
    const qulonglong parsed = text.trimmed().toULongLong(&ok);
    if (!ok || parsed > qulonglong(std::numeric_limits<Integer>::max()))
        return std::nullopt;
    return Integer(parsed);
}

// Reads the keys of one bench file, remembering the first bad one.
class BenchFileReader {
  public:
    explicit BenchFileReader(const QString& path)
        : path_(path), settings_(path, QSettings::IniFormat) {}

    QSettings::Status status() const { return settings_.status(); }
    QStringList keys() const { return settings_.allKeys(); }
    const QString& problem() const { return problem_; }

    void decimal(const char* key, double& value, Range range = Range::Any) {
        read(key, value, decimalWanted(range),
             [range](const QString& text) { return parseDecimal(text, range); });
    }
    template <typename Integer> void count(const char* key, Integer& value) {
        read(key, value, "a whole number of 0 or more", parseCount<Integer>);
    }
    void flag(const char* key, bool& value) {
        read(key, value, "True or False", [](const QString& text) { return parseBool(text); });
    }
    void side(const char* key, KnifeSide& value) { read(key, value, "right or left", parseSide); }
    void terms(const char* key, std::vector<SurfaceTerm>& value) {
        read(key, value, "a list of power:nanometres pairs with powers of 1 or more",
             [](const QString& text) { return parseSurfaceError(text); });
    }

  private:
    // The INI reader splits a value at its commas; they are put back before parsing.
    template <typename T, typename Parse>
    void read(const char* key, T& value, const char* wanted, Parse parse) {
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
            QStringLiteral("Bench file \"%1\": the value \"%2\" of [%3] %4 is not %5.")
                .arg(path_, text, name.left(slash), name.mid(slash + 1), QLatin1String(wanted));
    }

    QString path_;
    QSettings settings_;
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
};

QString sectionAndKey(const QString& key) {
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    return slash < 0 ? key : QStringLiteral("[%1] %2").arg(key.left(slash), key.mid(slash + 1));
}

void readAll(BenchFileReader& in, BenchConfig& c) {
    in.decimal("mirror/diameter", c.mirror.diameter, Range::Positive);
    in.decimal("mirror/roc", c.mirror.roc, Range::Positive);
    in.decimal("mirror/conic", c.mirror.conic);
    in.terms("mirror/surface_error", c.mirror.surfaceError);
    in.flag("source/fixed", c.source.fixed);
    in.decimal("source/slit_width", c.source.slitWidth, Range::Positive);
    in.side("knife/side", c.knifeSide);
    in.decimal("start/knife_offset", c.start.knifeOffset);
    in.decimal("start/platform_offset", c.start.platformOffset);
    in.decimal("motors/tf_step", c.motors.tfStep, Range::Positive);
    in.decimal("motors/lr_step", c.motors.lrStep, Range::Positive);
    in.flag("motors/invert", c.motors.invert);
    in.flag("motors/swap", c.motors.swap);
    in.flag("motors/reverse_lr", c.motors.reverseLr);
    in.flag("motors/reverse_tf", c.motors.reverseTf);
    in.count("motors/backlash", c.motors.backlash);
    in.decimal("camera/center_x", c.camera.centerX);
    in.decimal("camera/center_y", c.camera.centerY);
    in.decimal("camera/radius", c.camera.radius, Range::Positive);
    in.decimal("camera/gain", c.camera.gain, Range::NotNegative);
    in.decimal("camera/background", c.camera.background, Range::NotNegative);
    in.decimal("camera/noise", c.camera.noise, Range::NotNegative);
    in.count("camera/seed", c.camera.seed);
    in.decimal("camera/drift_x", c.camera.driftX);
    in.decimal("camera/drift_y", c.camera.driftY);
    in.decimal("camera/fps", c.camera.fps, Range::NotNegative);
    in.count("camera/width", c.camera.width);
    in.count("camera/height", c.camera.height);
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
            return fail(
                QStringLiteral("Bench file \"%1\": unknown key %2.").arg(path, sectionAndKey(key)));
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
        if (!power || !nanometres || *power < 1 || !std::isfinite(*nanometres))
            return std::nullopt;
        terms.push_back({*power, *nanometres});
    }
    return terms;
}

QString benchConfigProblem(const BenchConfig& config) {
    const double semi = config.mirror.diameter / 2;
    const double roc = config.mirror.roc;
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
