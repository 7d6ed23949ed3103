#include "ExampleFolder.h"

#include "app/core/HardwareConfig.h"
#include "app/core/ProgramFolder.h"
#include "app/core/SettingsFile.h"
#include "app/core/TextFile.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace orvane::testkit {

namespace {
const QString BenchName = QStringLiteral("bench-demo6f4.ini");
const QString Placeholder = QStringLiteral("%PROGRAM_FOLDER%");

QString readWhole(const QString& path) {
    const auto lines = readTextLines(path);
    EXPECT_TRUE(lines.has_value()) << path.toStdString();
    return lines ? lines->join(QStringLiteral("\n")) + QStringLiteral("\n") : QString();
}

void write(const QString& path, const QString& text) {
    ASSERT_TRUE(writeTextFile(path, text)) << path.toStdString();
}
} // namespace

QString examplesFolder() {
    return QStringLiteral(ORVANE_EXAMPLES_DIR);
}

ExampleFolder::ExampleFolder() {
    ensureFolder(joinPath(path(), {QStringLiteral("mirrors")}));
    write(joinPath(path(), {QStringLiteral("mirrors"), QStringLiteral("Demo6f4.ini")}),
          readWhole(joinPath(examplesFolder(),
                             {QStringLiteral("mirrors"), QStringLiteral("Demo6f4.ini")})));
    // As the main job does: the example settings with the data folder under this folder.
    QString settings = readWhole(joinPath(examplesFolder(), {QStringLiteral("orvane.ini")}));
    settings.replace(Placeholder, path());
    write(settingsFilePath(path()), settings.replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
    write(benchPath(), exampleBenchText());
    HardwareConfig hardware;
    hardware.benchFile = benchPath();
    EXPECT_TRUE(saveHardwareConfig(path(), hardware));
}

QString ExampleFolder::benchPath() const {
    return joinPath(path(), {BenchName});
}

QString ExampleFolder::exampleBenchText() const {
    return readWhole(joinPath(examplesFolder(), {BenchName}));
}

void ExampleFolder::changeSettings(const std::function<void(Settings&)>& change) {
    Settings settings = exampleSettings(path());
    change(settings);
    ASSERT_TRUE(SaveSettings(settings, path(), messages));
}

void ExampleFolder::changeBench(const std::vector<std::pair<QString, QString>>& values) {
    QStringList lines = exampleBenchText().split(QLatin1Char('\n'));
    for (const auto& [key, value] : values) {
        const qsizetype at = lines.indexOf(QRegularExpression(QStringLiteral("^%1=.*").arg(key)));
        ASSERT_GE(at, 0) << key.toStdString();
        lines[at] = key + QLatin1Char('=') + value;
    }
    write(benchPath(), lines.join(QLatin1Char('\n')));
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

Settings exampleSettings(const QString& programFolder) {
    Settings settings;
    RecordingMessageBoxes boxes;
    const SettingsLoadResult loaded = LoadSettings(settings, programFolder, boxes);
    EXPECT_EQ(loaded.failure, SettingsFailure::None) << boxes.texts().join('\n').toStdString();
    return settings;
}

} // namespace orvane::testkit
