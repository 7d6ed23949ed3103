// Save Data's writers in their order and the mirror record's next test number; choosing the
// outside programs' folders, and typing into them through a stand-in xdotool that logs what it
// is asked to type.
#include "results/SaveData.h"
#include "ResultsBench.h"
#include "results/FileChooser.h"
#include "results/SaveOptionsModel.h"
#include "results/SendKeys.h"
#include "results/XdotoolKeystrokeSender.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {
QByteArray recordOf(const ResultsBench& bench) {
    return bench.bytes(joinPath(bench.programFolder, {"mirrors", "Newt6.ini"}));
}

// Answers file requests from a queue; nullopt is the user cancelling.
struct ScriptedFileChooser : FileChooser {
    std::optional<QString> chooseFileToOpen(const FileRequest& request) override {
        titles << request.title;
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return {}; }
    QList<std::optional<QString>> answers;
    QStringList titles;
};
} // namespace

TEST(SaveData, EachSaveWritesTheNextTestAndAdvancesTheRecordOnlyWhenEveryWriterSucceeds) {
    ResultsBench bench;
    EXPECT_FALSE(saveData(bench.context()).configured); // every writer off: only told so
    EXPECT_EQ(bench.boxes.titles(), QStringList{"Not Configured!"});
    EXPECT_EQ(bench.boxes.texts(), QStringList{"Save Data Details not configured Properly\r\nGoto "
                                               "Test Options/Save Data Options to Setup Files "
                                               "Save Options"});
    EXPECT_EQ(bench.boxes.shown[0].icon, MessageIcon::Information);
    EXPECT_FALSE(QFileInfo::exists(bench.settings.textpath));
    EXPECT_TRUE(recordOf(bench).isEmpty());
    bench.settings.Savetext = true;
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("TextData", "test4.txt")));
    EXPECT_EQ(recordOf(bench), "Newt6\r\n6\r\n48\r\n-1\r\n0\r\n5\r\n5\r\n");
    // A failing figure export spoils the save even though the text report was written.
    bench.settings.Savefigure = true;
    const SaveDataResult failed = saveData(bench.context());
    EXPECT_TRUE(failed.SaveProblem && failed.configured);
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("TextData", "test5.txt")));
    EXPECT_TRUE(recordOf(bench).endsWith("\r\n5\r\n"));
    EXPECT_EQ(bench.boxes.texts().value(1).left(30), "Problem saving Figure File as ");
    // A record that cannot be written does not hold the counter back.
    bench.settings.Savefigure = false;
    QDir(bench.programFolder).removeRecursively();
    ASSERT_TRUE(writeTextFile(bench.programFolder, "a file where the folder belongs\r\n"));
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_EQ(bench.mirror.WorkNum, 6);
}

TEST(SaveData, WritersRunInTheirOrderAndCancelOnTheSixtestsQuestionStillAdvances) {
    ResultsBench bench;
    bench.settings.Savefigure = bench.settings.LaunchFigure = true;
    bench.settings.FigurePath = bench.root.path();
    bench.settings.Savetext = bench.settings.SaveSixtests = bench.settings.LaunchSixtests = true;
    bench.boxes.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_EQ(bench.boxes.shown[0].title, "Waiting for Figure to exit");
    EXPECT_EQ(bench.boxes.shown[0].text, "Press OK to load Sixtests");
    EXPECT_EQ(bench.boxes.shown[0].buttons, MessageButtons::OkCancel);
    // Only figure45.exe was started, and no set file was written.
    EXPECT_TRUE(bench.events.size() == 1 && bench.events[0].contains("figure45.exe"));
    EXPECT_FALSE(QFileInfo::exists(bench.dataFile("SixTests", "Test3.set")));
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("Figure", "Test3.fig")));
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("TextData", "test3.txt")));
    EXPECT_TRUE(recordOf(bench).endsWith("\r\n4\r\n"));
    // Only one of the two launches: no question.
    bench.settings.Savefigure = bench.settings.LaunchSixtests = false;
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("SixTests", "Test4.set")));
}

TEST(SaveOptions, BrowsingForAProgramKeepsItsFolderAndAnEmptySelectionAsksAgain) {
    ScriptedFileChooser chooser;
    RecordingMessageBoxes boxes;
    chooser.answers = {QString(), QString("/opt/tools/anything.exe"), QString(),
                       QString("/figure45.exe")};
    EXPECT_EQ(browseProgramFolder(figure45Browse(), chooser, boxes), "/opt/tools");
    boxes.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(browseProgramFolder(sixtestsBrowse(), chooser, boxes));
    EXPECT_FALSE(browseProgramFolder(figure45Browse(), chooser, boxes)); // no folder before it
    EXPECT_EQ(chooser.titles.value(2), "Select Sixtest.exe and click OPEN");
    EXPECT_EQ(boxes.texts(), QStringList({"The Selection  is invalid!\r\nPlease highlight "
                                          "Figure45.exe then click OPEN\r\nPress Cancel to Exit.",
                                          "The Selection  is invalid!\r\nPress Cancel to Exit."}));
}

TEST(XdotoolKeystrokeSender, TypesTheKeyNotationInOrderOrTellsWhyItCannot) {
    TempFolder dir;
    const QString log = joinPath(dir.path(), {"xdotool.log"});
    const QString fake = joinPath(dir.path(), {"xdotool"});
    writeTextFile(fake, "#!/bin/sh\necho \"$@\" >> '" + log + "'\ntest \"$3\" != fail\n");
    QFile::setPermissions(fake, QFile::permissions(fake) | QFile::ExeOwner);
    RecordingMessageBoxes boxes;
    XdotoolKeystrokeSender sender(boxes, fake);
    const QString path = "/data (v+1)/x^y%z~{w}[q]/Test3.set";
    EXPECT_EQ(sendKeysLiteral(path), "/data {(}v{+}1{)}/x{^}y{%}z{~}{{}w{}}{[}q{]}/Test3.set");
    EXPECT_TRUE(sender.send(sendKeysLiteral(path) + "{enter}", true));
    EXPECT_TRUE(sender.send("%fo^+s%(ff)+{TAB}a~{f1}{F16}{left 2}{x 3}", false));
    for (const QString bad :
         {"{enter", "{nokey}", "a)b", "%", "%(ab", "{}", "{left x}", "a(b", "{f0}", "{f17}"})
        EXPECT_FALSE(sender.send(bad, true)) << bad.toStdString(); // refused before typing
    EXPECT_FALSE(sender.send("fail{enter}", true)); // stops at the first failing call
    EXPECT_EQ(readTextLines(log).value_or(QStringList()).join('|'),
              "type -- " + path +
                  "|key -- Return|key -- alt+f|type -- o|key -- ctrl+shift+s|"
                  "key -- alt+f|key -- alt+f|key -- shift+Tab|type -- a|key -- Return|key -- F1|"
                  "key -- F16|key -- Left|key -- Left|type -- xxx|type -- fail");
    EXPECT_FALSE(XdotoolKeystrokeSender(boxes, QString()).send("%fo", true));
    ASSERT_EQ(boxes.shown.size(), 12);
    EXPECT_TRUE(boxes.shown[11].text.contains("xdotool"));
}
