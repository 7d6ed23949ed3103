#include "app/core/SettingsFile.h"
#include "app/core/NumberText.h"
#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

const QString SectionAText = QStringLiteral(
    "Unable to Load Orvane.ini, Now opening Setup Dialog, Please confirm Data to continue");
const QString SectionCText = QStringLiteral("Unable to load Auto-Test Variuables, Now opening "
                                            "Auto-Test Dialog, please confirm data to continue");

// A settings state where every value differs from its built-in one.
Settings unusualSettings() {
    Settings s;
    s.menus.invert = true;
    s.menus.lrSwapCaption = QStringLiteral("&Reverse L/R Motor (now reversed)");
    s.menus.lrSwap = true;
    s.menus.tfSwapCaption = QStringLiteral("Reverse &To/From - swapped");
    s.menus.tfSwap = true;
    s.menus.swapMotors = true;
    s.menus.fixedSource = true;
    s.StepSize = 1.25E-05;
    s.LRStepSize = 0.000315;
    s.Metric = true;
    s.KnifeRight = true;
    s.FigurePath = QStringLiteral("/opt/figure");
    s.Sixtestspath = QStringLiteral("/opt/six tests");
    s.textpath = QStringLiteral("/data/results");
    s.Savefigure = true;
    s.SaveSixtests = true;
    s.Savetext = true;
    s.LaunchFigure = true;
    s.LaunchSixtests = true;
    s.Maxdelay = 4321;
    s.Mindelay = 77;
    s.sldAcell = 9;
    s.mirrorList = {"Newt8", "Dob 10", "mnu", "", "m4", "m5", "m6", "m7", "m8", "m9"};
    s.autoTest = {200, 35, 6, 12, 3, 7, 18, 17, 2, 22, 5, 33, 4};
    s.SavePicture = 1;
    s.Reps = 3;
    s.VidSource = 2;
    s.DebugDisplay = false;
    s.MoreText = true;
    s.Launch3d = true;
    return s;
}

class SettingsFileTest : public ::testing::Test {
  protected:
    QString iniPath() const { return joinPath(folder.path(), {"orvane.ini"}); }
    void writeLines(const QStringList& lines) {
        ASSERT_TRUE(writeTextFile(iniPath(), crlfJoin(lines)));
    }
    SettingsLoadResult load(Settings& s) {
        return LoadSettings(s, folder.path(), messages,
                            {[this] { ++setupOpened; }, [this] { ++autoTestOpened; }});
    }

    testkit::TempFolder folder;
    testkit::RecordingMessageBoxes messages;
    int setupOpened = 0;
    int autoTestOpened = 0;
};

TEST_F(SettingsFileTest, MissingFileGivesOneMessageAndTheFirstRunDefaults) {
    Settings s;
    const SettingsLoadResult result = load(s);

    EXPECT_EQ(result.failure, SettingsFailure::SectionA);
    EXPECT_TRUE(result.waitForIt);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Initialization Error :(");
    EXPECT_EQ(messages.shown[0].text, SectionAText);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(setupOpened, 1);
    EXPECT_EQ(autoTestOpened, 0);
    EXPECT_EQ(s.StepSize, 0.000125);
    EXPECT_EQ(s.LRStepSize, 0.000125);
    EXPECT_EQ(s.textpath, joinPath(folder.path(), {"TestResults"}));
    EXPECT_TRUE(s.Savetext);
    EXPECT_EQ(s.autoTest.Max, 60);
    EXPECT_EQ(s.autoTest.Min, 30);
    EXPECT_TRUE(s.DebugDisplay);
    EXPECT_EQ(s.units(), "\"");
    EXPECT_EQ(s.autoTest.LRMinFrames, 4); // built-in values stand
    EXPECT_EQ(s.Maxdelay, 2000);
    for (const QString& caption : s.mirrorList)
        EXPECT_FALSE(isMirrorSlotUsed(caption));
}

TEST_F(SettingsFileTest, FailureDefaultsOnlyReplaceEmptyValues) {
    Settings s;
    s.StepSize = 0.002;
    s.textpath = QStringLiteral("/somewhere");
    s.autoTest.Min = 25;
    s.autoTest.Max = 90;
    load(s);
    EXPECT_EQ(s.StepSize, 0.002);
    EXPECT_EQ(s.LRStepSize, 0.000125);
    EXPECT_EQ(s.textpath, "/somewhere");
    EXPECT_EQ(s.autoTest.Min, 25);
    EXPECT_EQ(s.autoTest.Max, 90);
}

TEST_F(SettingsFileTest, RoundTripReproducesEveryValue) {
    const Settings saved = unusualSettings();
    ASSERT_TRUE(SaveSettings(saved, folder.path(), messages));
    Settings loaded;
    const SettingsLoadResult result = load(loaded);

    EXPECT_EQ(result.failure, SettingsFailure::None);
    EXPECT_FALSE(result.waitForIt);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(setupOpened + autoTestOpened, 0);
    EXPECT_EQ(settingsLines(loaded), settingsLines(saved));
    EXPECT_EQ(loaded.menus.lrSwapCaption, saved.menus.lrSwapCaption);
    EXPECT_EQ(loaded.menus.tfSwapCaption, saved.menus.tfSwapCaption);
    EXPECT_EQ(loaded.StepSize, 1.25E-05);
    EXPECT_EQ(loaded.LRStepSize, 0.000315);
    EXPECT_EQ(loaded.SavePicture, 1);
    EXPECT_FALSE(loaded.DebugDisplay);
    EXPECT_EQ(loaded.mirrorList, saved.mirrorList);
    EXPECT_EQ(loaded.units(), "mm");
    EXPECT_EQ(loaded.autoTest.TFFinalMoves, 4);

    Settings zero = saved;
    zero.SavePicture = 0;
    ASSERT_TRUE(SaveSettings(zero, folder.path(), messages));
    load(loaded);
    EXPECT_EQ(loaded.SavePicture, 0);
}

TEST_F(SettingsFileTest, SavedFileHas51CrLfLinesInFileOrder) {
    ASSERT_TRUE(SaveSettings(unusualSettings(), folder.path(), messages));
    QFile file(iniPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 51);
    EXPECT_EQ(bytes.count('\n'), 51);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const QStringList lines = splitTextLines(QString::fromUtf8(bytes));
    ASSERT_EQ(lines.size(), 51);
    EXPECT_EQ(lines[0], "True");
    EXPECT_EQ(lines[1], "&Reverse L/R Motor (now reversed)");
    EXPECT_EQ(lines[6], "1.25E-05");
    EXPECT_EQ(lines[18], "4321");
    EXPECT_EQ(lines[21], "Newt8");
    EXPECT_EQ(lines[23], "mnu");
    EXPECT_EQ(lines[24], "");
    EXPECT_EQ(lines[33], "1");
    EXPECT_EQ(lines[36], "False");
    EXPECT_EQ(lines[40], "12");
    EXPECT_EQ(lines[50], "0.000315");
}

TEST_F(SettingsFileTest, GermanLocaleStillWritesAPoint) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Settings s = unusualSettings();
    s.StepSize = 0.5;
    const bool saved = SaveSettings(s, folder.path(), messages);
    QLocale::setDefault(previous);
    ASSERT_TRUE(saved);
    const QStringList lines = *readTextLines(iniPath());
    EXPECT_EQ(lines[6], "0.5");
    EXPECT_EQ(lines[50], "0.000315");
}

TEST_F(SettingsFileTest, EmptyLine36MeansDebugDisplayOn) {
    QStringList lines = settingsLines(unusualSettings());
    lines[36] = QString();
    writeLines(lines);
    Settings s;
    const SettingsLoadResult result = load(s);
    EXPECT_EQ(result.failure, SettingsFailure::None);
    EXPECT_TRUE(s.DebugDisplay);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SettingsFileTest, MirrorListSlotsMnuAndEmptyAreUnused) {
    QStringList lines = settingsLines(unusualSettings());
    lines[21] = QStringLiteral("mnu");
    lines[22] = QString();
    lines[23] = QStringLiteral("Big Dob");
    writeLines(lines);
    Settings s;
    load(s);
    EXPECT_FALSE(isMirrorSlotUsed(s.mirrorList[0]));
    EXPECT_FALSE(isMirrorSlotUsed(s.mirrorList[1]));
    EXPECT_TRUE(isMirrorSlotUsed(s.mirrorList[2]));
    EXPECT_EQ(s.mirrorList[2], "Big Dob");
}

TEST_F(SettingsFileTest, BadAutoTestLineOpensTheAutoTestDialogAfterApplyingTheRest) {
    QStringList lines = settingsLines(unusualSettings());
    lines[40] = QStringLiteral("ten");
    writeLines(lines);
    Settings s;
    const SettingsLoadResult result = load(s);

    EXPECT_EQ(result.failure, SettingsFailure::SectionC);
    EXPECT_FALSE(result.waitForIt);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Initialization Error :(");
    EXPECT_EQ(messages.shown[0].text, SectionCText);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(autoTestOpened, 1);
    EXPECT_EQ(setupOpened, 0);
    // Lines 0-38 came from the file.
    EXPECT_TRUE(s.menus.invert);
    EXPECT_EQ(s.StepSize, 1.25E-05);
    EXPECT_EQ(s.Maxdelay, 4321);
    EXPECT_EQ(s.mirrorList[1], "Dob 10");
    EXPECT_EQ(s.autoTest.Max, 200);
    EXPECT_EQ(s.Reps, 3);
    EXPECT_TRUE(s.MoreText);
    EXPECT_TRUE(s.Launch3d);
    // Line 39 was read before the bad line; the rest keep their built-in values.
    EXPECT_EQ(s.autoTest.LRMinFrames, 6);
    EXPECT_EQ(s.autoTest.LRDelta, 10);
    EXPECT_EQ(s.autoTest.TFFinalFrames, 30);
    // The debug display is forced on although the file said False.
    EXPECT_TRUE(s.DebugDisplay);
}

TEST_F(SettingsFileTest, FileWith52LinesFailsBeforeApplyingAnything) {
    QStringList lines = settingsLines(unusualSettings());
    lines << QStringLiteral("extra");
    writeLines(lines);
    Settings s;
    const SettingsLoadResult result = load(s);
    EXPECT_EQ(result.failure, SettingsFailure::SectionA);
    EXPECT_EQ(messages.texts(), QStringList{SectionAText});
    EXPECT_EQ(setupOpened, 1);
    EXPECT_FALSE(s.menus.invert);
    EXPECT_EQ(s.Maxdelay, 2000);
    EXPECT_EQ(s.StepSize, 0.000125);
}

TEST_F(SettingsFileTest, BadValueInSectionAKeepsTheValuesBeforeIt) {
    QStringList lines = settingsLines(unusualSettings());
    lines[19] = QStringLiteral("fast");
    writeLines(lines);
    Settings s;
    const SettingsLoadResult result = load(s);
    EXPECT_EQ(result.failure, SettingsFailure::SectionA);
    EXPECT_EQ(s.Maxdelay, 4321); // line 18, before the bad line
    EXPECT_EQ(s.Mindelay, 136);  // the bad line's holder keeps its value
    EXPECT_EQ(s.sldAcell, 4);    // never reached
    EXPECT_EQ(s.textpath, "/data/results");
    EXPECT_EQ(s.mirrorList[0], "mnu"); // never reached
    EXPECT_EQ(s.autoTest.Max, 60);
    EXPECT_EQ(s.autoTest.Min, 30);
    EXPECT_EQ(s.SavePicture, 0);
    EXPECT_TRUE(s.DebugDisplay);
}

TEST_F(SettingsFileTest, OlderFileWithoutLine50FailsAfterStepSize) {
    QStringList lines = settingsLines(unusualSettings());
    lines.removeLast();
    writeLines(lines);
    Settings s;
    EXPECT_EQ(load(s).failure, SettingsFailure::SectionA);
    EXPECT_EQ(s.StepSize, 1.25E-05);
    EXPECT_EQ(s.LRStepSize, 0.000125);
    EXPECT_FALSE(s.Metric);
}

TEST_F(SettingsFileTest, SliderValueOutsideItsRangeIsABadLine) {
    QStringList lines = settingsLines(unusualSettings());
    lines[20] = QStringLiteral("11");
    writeLines(lines);
    Settings s;
    EXPECT_EQ(load(s).failure, SettingsFailure::SectionA);
    EXPECT_EQ(s.sldAcell, 4);
}

TEST_F(SettingsFileTest, BadValuesInLines33To38AreSkippedOneByOne) {
    QStringList lines = settingsLines(unusualSettings());
    lines[33] = QStringLiteral("yes");
    lines[35] = QStringLiteral("camera");
    lines[37] = QStringLiteral("maybe");
    writeLines(lines);
    Settings s;
    s.SavePicture = 1;
    s.VidSource = 5;
    const SettingsLoadResult result = load(s);
    EXPECT_EQ(result.failure, SettingsFailure::None);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(s.SavePicture, 1);
    EXPECT_EQ(s.Reps, 3);
    EXPECT_EQ(s.VidSource, 5);
    EXPECT_FALSE(s.DebugDisplay);
    EXPECT_FALSE(s.MoreText);
    EXPECT_TRUE(s.Launch3d);
}

TEST_F(SettingsFileTest, AcceptsBooleansInAnyCaseOrAsNumbersAndRoundsIntegers) {
    QStringList lines = settingsLines(unusualSettings());
    lines[0] = QStringLiteral("FALSE");
    lines[2] = QStringLiteral("-1");
    lines[4] = QStringLiteral("0");
    lines[7] = QStringLiteral("true");
    lines[34] = QStringLiteral("2.5");
    lines[39] = QStringLiteral(" 7 ");
    writeLines(lines);
    Settings s;
    EXPECT_EQ(load(s).failure, SettingsFailure::None);
    EXPECT_FALSE(s.menus.invert);
    EXPECT_TRUE(s.menus.lrSwap);
    EXPECT_FALSE(s.menus.tfSwap);
    EXPECT_TRUE(s.Metric);
    EXPECT_EQ(s.Reps, 2);
    EXPECT_EQ(s.autoTest.LRMinFrames, 7);
}

TEST_F(SettingsFileTest, UnwritableFolderGivesAClearMessageAndCarriesOn) {
    const QString missing = joinPath(folder.path(), {"no", "such", "folder"});
    EXPECT_FALSE(SaveSettings(unusualSettings(), missing, messages));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].title, "Save Error :(");
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(messages.shown[0].text.contains("orvane.ini"));
}

TEST_F(SettingsFileTest, FindsTheFileWhateverItsLetterCase) {
    ASSERT_TRUE(writeTextFile(joinPath(folder.path(), {"ORVANE.INI"}),
                              crlfJoin(settingsLines(unusualSettings()))));
    Settings s;
    EXPECT_EQ(load(s).failure, SettingsFailure::None);
    EXPECT_EQ(s.Maxdelay, 4321);
}

} // namespace
