#include "ExampleFolder.h"

#include "analysis/ZoneGeometry.h"
#include "capture/FrameMapping.h"
#include "core/HardwareConfig.h"
#include "core/ProgramFolder.h"
#include "core/SettingsFile.h"
#include "core/TextFile.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace orvane::testkit {

namespace {
const QString Examples = QStringLiteral(ORVANE_EXAMPLES_DIR);
const QString BenchName = QStringLiteral("bench-demo6f4.ini");

QString readWhole(const QString& path) {
    const auto lines = readTextLines(path);
    EXPECT_TRUE(lines.has_value()) << path.toStdString();
    return lines ? lines->join(QStringLiteral("\n")) + QStringLiteral("\n") : QString();
}

void write(const QString& path, const QString& text) {
    ASSERT_TRUE(writeTextFile(path, text)) << path.toStdString();
}
} // namespace

ExampleFolder::ExampleFolder() {
    ensureFolder(joinPath(path(), {QStringLiteral("mirrors")}));
    const QString record = joinPath(QStringLiteral("mirrors"), {QStringLiteral("Demo6f4.ini")});
    write(joinPath(path(), {record}), readWhole(joinPath(Examples, {record})));
    // As the main job does: the example settings with the data folder under this folder.
    QString settings = readWhole(joinPath(Examples, {QStringLiteral("orvane.ini")}));
    settings.replace(QStringLiteral("%PROGRAM_FOLDER%"), path());
    write(settingsFilePath(path()), settings.replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
    changeBench({});
    HardwareConfig hardware;
    hardware.benchFile = joinPath(path(), {BenchName});
    EXPECT_TRUE(saveHardwareConfig(path(), hardware));
}

void ExampleFolder::changeSettings(const std::function<void(Settings&)>& change) {
    Settings settings;
    EXPECT_EQ(LoadSettings(settings, path(), messages).failure, SettingsFailure::None);
    change(settings);
    ASSERT_TRUE(SaveSettings(settings, path(), messages));
}

void ExampleFolder::changeBench(const std::vector<std::pair<QString, QString>>& values) {
    QStringList lines = readWhole(joinPath(Examples, {BenchName})).split(QLatin1Char('\n'));
    for (const auto& [key, value] : values) {
        const qsizetype at = lines.indexOf(QRegularExpression(QStringLiteral("^%1=.*").arg(key)));
        ASSERT_GE(at, 0) << key.toStdString();
        lines[at] = key + QLatin1Char('=') + value;
    }
    write(joinPath(path(), {BenchName}), lines.join(QLatin1Char('\n')));
}

void ExampleFolder::writeMirror(const QStringList& lines) {
    write(joinPath(path(), {QStringLiteral("mirrors"), lines.value(0) + QStringLiteral(".ini")}),
          crlfJoin(lines));
}

std::unique_ptr<HeadlessTestRun> ExampleFolder::preparedRun(HeadlessOptions options) {
    options.programFolder = path();
    if (options.mirror.isEmpty())
        options.mirror = QStringLiteral("Demo6f4");
    auto run = std::make_unique<HeadlessTestRun>(options, messages);
    EXPECT_TRUE(run->prepare()) << messages.texts().join('\n').toStdString();
    return run;
}

CommandResult runCommand(const QStringList& arguments) {
    CommandResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.exit = runHeadlessCommand(QStringList{"orvane-cli"} + arguments, out, err);
    return result;
}

double opticalNull(HeadlessTestRun& run, int zone) {
    const BenchConfig::Camera& camera = run.bench().config().camera;
    const double inchesPerPixel = run.bench().config().mirror.diameter / 2 / camera.radius;
    const WindowColumns columns = zoneWindowColumns(run.circle(), run.zones().centerFrac[zone]);
    // The windows are placed on the picture and read on the camera's pixels.
    const FrameMapping mapping = FrameMapping::of(QSize(camera.width, camera.height));
    const double left = mapping.toCamera(QPointF(columns.left, 0)).x();
    const double right = mapping.toCamera(QPointF(columns.right, 0)).x();
    return (run.bench().trueNull((camera.centerX - left) * inchesPerPixel) +
            run.bench().trueNull((right - camera.centerX) * inchesPerPixel)) /
           2;
}

double opticalReading(HeadlessTestRun& run, int zone) {
    return opticalNull(run, zone) - opticalNull(run, 1);
}

double perfectReading(const HeadlessTestRun& run, int zone) {
    return perfectNumber(run.zones(), zone, run.mirror().MirDiam, run.mirror().Roc,
                         run.PerfectFactor());
}

void expectReadings(const HeadlessTestRun& run, int sets,
                    const std::function<double(int zone)>& expected, double margin) {
    for (int set = 0; set < sets; ++set) {
        for (int zone = 1; zone <= run.mirror().NZ; ++zone)
            EXPECT_NEAR(run.readings().at(zone, set), expected(zone), margin)
                << "zone " << zone << " set " << set + 1;
    }
}

} // namespace orvane::testkit
