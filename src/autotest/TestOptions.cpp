#include "autotest/TestOptions.h"

#include "core/NumberText.h"
#include "core/ProgramFolder.h"
#include "core/SafeSave.h"

#include <QFileInfo>
#include <QSettings>

namespace orvane {

namespace {

QString filePath(const QString& programFolder) {
    return findPathIgnoringCase(joinPath(programFolder, {TestOptionsFileName}));
}

// Reads the file's values, each checked where it is read.
class OptionsReader {
  public:
    explicit OptionsReader(const QString& path) : file_(path, QSettings::IniFormat), path_(path) {}

    template <typename T, typename Parse>
    void read(const char* key, T& value, const char* wanted, Parse parse) {
        if (!file_.contains(QLatin1String(key)))
            return;
        const QString text = file_.value(QLatin1String(key)).toString();
        if (auto parsed = parse(text.trimmed()))
            value = *parsed;
        else
            warnings << QStringLiteral("%1: the value \"%2\" of %3 is not %4; %3 stays as it was.")
                            .arg(path_, text, QLatin1String(key), QLatin1String(wanted));
    }

    QStringList warnings;

  private:
    QSettings file_;
    QString path_;
};

std::optional<int> wholeNumber(const QString& text, int min, int max) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= min && value <= max ? std::optional(value) : std::nullopt;
}

std::optional<double> numberWithin(const QString& text, double min, double max) {
    const auto value = parseNumber(text);
    return value && *value >= min && *value <= max ? value : std::nullopt;
}

QString trueOrFalse(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

TestOptionsLoad loadTestOptions(const QString& programFolder) {
    TestOptionsLoad load;
    const QString path = filePath(programFolder);
    if (!QFileInfo(path).isFile())
        return load;
    OptionsReader in(path);
    TestOptions& o = load.options;
    in.read("precision/on", o.precision.on, "true or false",
            [](const QString& text) { return parseBool(text); });
    in.read("precision/limit", o.precision.limit, "a number of inches from 0.000001 to 0.01",
            [](const QString& text) {
                return numberWithin(text, SmallestPrecisionLimit, LargestPrecisionLimit);
            });
    in.read("precision/takeup", o.precision.takeUp, "a number of inches from 0 to 0.1",
            [](const QString& text) { return numberWithin(text, 0, LargestTakeUp); });
    in.read("repeat/every", o.repeat.everyMinutes, "once or minutes from 0 to 1440",
            [](const QString& text) -> std::optional<std::optional<int>> {
                if (text.compare(QLatin1String("once"), Qt::CaseInsensitive) == 0)
                    return std::optional<int>();
                if (const auto minutes = wholeNumber(text, 0, MaxRepeatMinutes))
                    return minutes;
                return std::nullopt;
            });
    in.read("repeat/count", o.repeat.count, "a whole number from 1 to 1000",
            [](const QString& text) { return wholeNumber(text, 1, MaxRepeatCount); });
    in.read("record/video", o.recordVideo, "true or false",
            [](const QString& text) { return parseBool(text); });
    load.warnings = in.warnings;
    return load;
}

bool saveTestOptions(const QString& programFolder, const TestOptions& options, QString* problem) {
    const RepeatOptions& repeat = options.repeat;
    const QString text =
        QStringLiteral("[precision]\non=%1\nlimit=%2\ntakeup=%3\n\n[repeat]\nevery=%4\n"
                       "count=%5\n\n[record]\nvideo=%6\n")
            .arg(trueOrFalse(options.precision.on), numberText(options.precision.limit),
                 numberText(options.precision.takeUp),
                 repeat.everyMinutes ? numberText(*repeat.everyMinutes) : QStringLiteral("once"),
                 numberText(repeat.count), trueOrFalse(options.recordVideo));
    return saveFileSafely(joinPath(programFolder, {TestOptionsFileName}), text.toUtf8(), problem);
}

} // namespace orvane
