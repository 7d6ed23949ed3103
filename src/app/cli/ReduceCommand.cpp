#include "app/cli/ReduceCommand.h"

#include "app/cli/HeadlessCommand.h"
#include "reduction/ReadingsFile.h"
#include "reduction/ReductionJson.h"
#include "reduction/ReductionText.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <cmath>

namespace orvane {

namespace {
const QString ReduceName = QStringLiteral("reduce");

struct ReduceOptions {
    QString file;
    bool json = false;
    std::optional<RadiusConvention> convention;
    std::optional<double> wavelengthNm;
    QString plot;
};

struct ParsedReduce {
    std::optional<ReduceOptions> options;
    QString error;
};

ParsedReduce parseReduce(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption radius(QStringLiteral("radius"), QString(), QStringLiteral("RULE"));
    const QCommandLineOption wavelength(QStringLiteral("wavelength"), QString(),
                                        QStringLiteral("NM"));
    const QCommandLineOption plot(QStringLiteral("plot"), QString(), QStringLiteral("FILE"));
    parser.addOptions({json, radius, wavelength, plot});
    if (!parser.parse(arguments))
        return {std::nullopt, parser.errorText()};
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 2)
        return {std::nullopt, QStringLiteral("reduce takes one readings file.")};
    for (const QCommandLineOption* option : {&radius, &wavelength, &plot}) {
        if (parser.values(*option).size() > 1)
            return {std::nullopt,
                    QStringLiteral("--%1 is given more than once.").arg(option->names()[0])};
    }
    ReduceOptions options;
    options.file = positional[1];
    options.json = parser.isSet(json);
    if (parser.isSet(radius)) {
        options.convention = radiusConventionNamed(parser.value(radius));
        if (!options.convention)
            return {std::nullopt, QStringLiteral("--radius must be mean, couder or carlin.")};
    }
    if (parser.isSet(wavelength)) {
        bool ok = false;
        options.wavelengthNm = parser.value(wavelength).toDouble(&ok);
        if (!ok || !(*options.wavelengthNm > 0) || !std::isfinite(*options.wavelengthNm))
            return {std::nullopt,
                    QStringLiteral("--wavelength must be a positive number of nanometres.")};
    }
    options.plot = parser.value(plot);
    if (parser.isSet(plot) && !options.plot.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
        !options.plot.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return {std::nullopt, QStringLiteral("--plot must name a .png or .svg file.")};
    return {options, QString()};
}

int refuse(QTextStream& err, const QString& message, int exit) {
    err << message << '\n';
    if (exit == ExitBadUsage)
        err << reduceUsage();
    err.flush();
    return exit;
}
} // namespace

bool isReduceCommand(const QStringList& arguments) {
    return arguments.value(1) == ReduceName;
}

QString reduceUsage() {
    return QStringLiteral(
        "Usage: orvane-cli reduce FILE [--json] [--radius mean|couder|carlin] [--wavelength NM]\n"
        "                         [--plot FILE.png|FILE.svg]\n"
        "Reduces the readings of a test record (testN.json), a JSON readings file or a sixtests\n"
        "set file (.set) to the mirror's figure: the zonal table, 1/N wave, RMS, Strehl and the\n"
        "best-fit conic.\n"
        "  --json        print one JSON object instead of text\n"
        "  --radius      zone radius from its edges: mean, couder (default) or carlin\n"
        "  --wavelength  in nanometres (default: the file's, else 550)\n"
        "  --plot FILE   draw the readings and the surface profile into a PNG or SVG file\n"
        "Exit status: 0 reduced, 1 the file cannot be reduced, 2 bad usage.\n");
}

int runReduceCommand(const QStringList& arguments, QTextStream& out, QTextStream& err,
                     const ReductionPlotWriter& writePlots) {
    const ParsedReduce parsed = parseReduce(arguments);
    if (!parsed.options)
        return refuse(err, parsed.error, ExitBadUsage);
    const ReduceOptions& options = *parsed.options;
    ReadingsFileResult read = readReadingsFile(options.file);
    if (!read.input)
        return refuse(err, QStringLiteral("%1: %2").arg(options.file, read.error), ExitFailed);
    ReadingsInput& input = *read.input;
    if (options.wavelengthNm)
        input.wavelengthNm = *options.wavelengthNm;
    const QString refusal = refusalOf(input);
    if (!refusal.isEmpty())
        return refuse(err, QStringLiteral("%1: %2").arg(options.file, refusal), ExitFailed);

    const Reduction reduction = reduceReadings(input, {options.convention});
    QString plotError;
    if (!options.plot.isEmpty() && !writePlots(reduction, options.plot, plotError))
        return refuse(err, plotError, ExitFailed);
    if (options.json) {
        out << QJsonDocument(reductionJson(reduction)).toJson(QJsonDocument::Indented);
    } else {
        out << reductionText(reduction);
        if (!options.plot.isEmpty())
            out << "Plots saved as " << options.plot << '\n';
    }
    out.flush();
    return ExitCompleted;
}

} // namespace orvane
