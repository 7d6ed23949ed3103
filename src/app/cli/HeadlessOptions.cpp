#include "app/cli/HeadlessOptions.h"

#include "analysis/AutoCentre.h"
#include "autotest/TestOptions.h"
#include "core/Settings.h"

#include <QCommandLineParser>

namespace orvane {

namespace {
const QString TestCommand = QStringLiteral("test");
constexpr int MinSets = 1;

std::optional<int> parseInt(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<MirrorCircle> parseCircle(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return std::nullopt;
    const auto x = parseInt(parts[0]);
    const auto y = parseInt(parts[1]);
    const auto r = parseInt(parts[2]);
    // The whole circle lies on the picture, or zones would be measured off its edge.
    if (!x || !y || !r || *r < MinCircleRadius || *x - *r < 0 || *x + *r > MirXMax || *y - *r < 0 ||
        *y + *r > MirYMax)
        return std::nullopt;
    return MirrorCircle{*x, *y, *r};
}

ParsedCommandLine refused(const QString& error) {
    return {std::nullopt, error};
}
} // namespace

QString headlessUsage() {
    return QStringLiteral(
        "Usage: orvane-cli test --program-folder DIR --mirror NAME [--bench FILE] [--sets N]\n"
        "                       [--circle X,Y,R] [--track] [--record] [--verbose]\n"
        "                       [--precision] [--repeat COUNT [--every MINUTES]]\n"
        "       orvane-cli --help\n"
        "Runs the automatic Foucault test of mirror NAME (DIR/mirrors/NAME.ini) on the simulated\n"
        "bench without a window, saves the data and prints the readings.\n"
        "  --program-folder DIR  folder with orvane.ini, orvane-hardware.ini and mirrors/\n"
        "  --mirror NAME         the mirror record to test\n"
        "  --bench FILE          bench file to use instead of the hardware file's\n"
        "  --sets N              sets of readings, 1 to 4 (default: the settings file's)\n"
        "  --circle X,Y,R        mirror circle in picture pixels, lying on the 320 x 240 picture\n"
        "                        with a radius of 20 or more (default: auto centre-size)\n"
        "  --track               follow the mirror's edge during the test\n"
        "  --record              keep the test's frames as a video beside its report, with\n"
        "                        the frame log (testN.avi, testN-frames.csv)\n"
        "  --verbose             log the search, the motors, the camera, the files saved and\n"
        "                        the bench on stderr (QT_LOGGING_RULES can narrow it)\n"
        "  --precision           fit each null between half-steps; readings to 0.0001 in\n"
        "                        (0.001 mm) with their standard errors\n"
        "  --repeat COUNT        run COUNT tests (1 to 1000), each saved as its own test\n"
        "  --every MINUTES       start them MINUTES apart in virtual time (0 to 1440; default\n"
        "                        0: each as soon as the last ends)\n"
        "Exit status: 0 test completed and saved, 1 test aborted or failed, 2 bad usage.\n"
        "orvane-cli reduce FILE reduces a test's readings; orvane-cli reduce alone tells how.\n");
}

ParsedCommandLine parseHeadlessCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption folder(QStringLiteral("program-folder"), QString(),
                                    QStringLiteral("DIR"));
    const QCommandLineOption mirror(QStringLiteral("mirror"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption bench(QStringLiteral("bench"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption sets(QStringLiteral("sets"), QString(), QStringLiteral("N"));
    const QCommandLineOption circle(QStringLiteral("circle"), QString(), QStringLiteral("X,Y,R"));
    const QCommandLineOption track(QStringLiteral("track"));
    const QCommandLineOption record(QStringLiteral("record"));
    const QCommandLineOption verbose(QStringLiteral("verbose"));
    const QCommandLineOption precision(QStringLiteral("precision"));
    const QCommandLineOption repeat(QStringLiteral("repeat"), QString(), QStringLiteral("COUNT"));
    const QCommandLineOption every(QStringLiteral("every"), QString(), QStringLiteral("MINUTES"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions({folder, mirror, bench, sets, circle, track, record, verbose, precision,
                       repeat, every, help});
    parser.addPositionalArgument(TestCommand, QString());
    if (!parser.parse(arguments))
        return refused(parser.errorText());
    if (parser.isSet(help))
        return {std::nullopt, QString(), true};

    const QStringList commands = parser.positionalArguments();
    if (commands != QStringList{TestCommand})
        return refused(commands.isEmpty()
                           ? QStringLiteral("No command given.")
                           : QStringLiteral("Unknown command \"%1\".").arg(commands.join(' ')));
    for (const QCommandLineOption* option :
         {&folder, &mirror, &bench, &sets, &circle, &repeat, &every}) {
        if (parser.values(*option).size() > 1)
            return refused(QStringLiteral("--%1 is given more than once.").arg(option->names()[0]));
    }

    HeadlessOptions options;
    options.programFolder = parser.value(folder);
    options.mirror = parser.value(mirror);
    if (options.programFolder.isEmpty())
        return refused(QStringLiteral("--program-folder is required."));
    if (options.mirror.isEmpty())
        return refused(QStringLiteral("--mirror is required."));
    if (!isMirrorName(options.mirror))
        return refused(QStringLiteral("--mirror names a record in DIR/mirrors, without any of ") +
                       MirrorNameIllegal + QLatin1Char('.'));
    options.benchFile = parser.value(bench);
    if (parser.isSet(sets)) {
        const auto n = parseInt(parser.value(sets));
        if (!n || *n < MinSets || *n > MaxSets)
            return refused(QStringLiteral("--sets must be a whole number from 1 to 4."));
        options.sets = *n;
    }
    if (parser.isSet(circle)) {
        options.circle = parseCircle(parser.value(circle));
        if (!options.circle)
            return refused(QStringLiteral("--circle must be X,Y,R, a circle of radius R from 20 "
                                          "pixels on the 320 x 240 picture: R <= X <= 320 - R "
                                          "and R <= Y <= 240 - R."));
    }
    if (parser.isSet(repeat)) {
        const auto n = parseInt(parser.value(repeat));
        if (!n || *n < 1 || *n > MaxRepeatCount)
            return refused(QStringLiteral("--repeat must be a whole number from 1 to 1000."));
        options.repeat = *n;
        options.everyMinutes = 0;
    }
    if (parser.isSet(every)) {
        const auto minutes = parseInt(parser.value(every));
        if (!parser.isSet(repeat))
            return refused(QStringLiteral("--every needs --repeat."));
        if (!minutes || *minutes < 0 || *minutes > MaxRepeatMinutes)
            return refused(QStringLiteral("--every must be a whole number of minutes from 0 to "
                                          "1440."));
        options.everyMinutes = *minutes;
    }
    options.precision = parser.isSet(precision);
    options.track = parser.isSet(track);
    options.record = parser.isSet(record);
    options.verbose = parser.isSet(verbose);
    return {options, QString()};
}

} // namespace orvane
