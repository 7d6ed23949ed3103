// Save Data's writers in their order and the mirror record they advance; the records, the
// editor that writes them and the recent-mirror list; choosing the outside programs' folders,
// and typing into them through a stand-in xdotool that logs what it is asked to type.
#include "ResultsBench.h"
#include "core/SafeSave.h"
#include "results/FileChooser.h"
#include "results/MirrorEditorSession.h"
#include "results/MirrorEntry.h"
#include "results/MirrorList.h"
#include "results/MirrorRecord.h"
#include "results/MirrorSelection.h"
#include "results/SaveData.h"
#include "results/SaveOptionsModel.h"
#include "results/SendKeys.h"
#include "results/XdotoolKeystrokeSender.h"
#include "support/StoppingFileSystem.h"

#include <QDirIterator>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {
// Answers file requests from a queue; nullopt is the user cancelling.
struct ScriptedFileChooser : FileChooser {
    std::optional<QString> chooseFileToOpen(const FileRequest&) override {
        return answers.isEmpty() ? std::nullopt : answers.takeFirst();
    }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return {}; }
    QList<std::optional<QString>> answers;
};

QStringList asStrings(const MirrorList& list) {
    return QStringList(list.begin(), list.end());
}

// The main window's callbacks recorded in order, and an editor session on the program folder.
struct MirrorBench : ResultsBench {
    QString record(const QString& name, const QString& text = {}) {
        const QString path = joinPath(programFolder, {"mirrors", name + ".ini"});
        if (!text.isEmpty()) {
            EXPECT_TRUE(ensureFolder(QFileInfo(path).path()) && writeTextFile(path, text));
        }
        return path;
    }
    std::function<void()> note(const char* call) {
        return [this, call] { calls << call; };
    }
    QStringList calls;
    MirrorEditorSession editor{{programFolder, settings, mirror, boxes, note("zoneCalc"), [] {}}};
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
    EXPECT_TRUE(bench.recordBytes("Newt6").isEmpty());
    bench.settings.Savetext = true;
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("TextData", "test4.txt")));
    EXPECT_EQ(bench.recordBytes("Newt6"), "Newt6\r\n6\r\n48\r\n-1\r\n0\r\n5\r\n5\r\n");
    // A failing figure export spoils the save even though the text report was written.
    bench.settings.Savefigure = true;
    EXPECT_TRUE(saveData(bench.context()).SaveProblem);
    EXPECT_EQ(bench.boxes.texts().value(1).left(30), "Problem saving Figure File as ");
    // test5.txt is taken, so test 6 is saved; its record cannot be, so the number stays.
    bench.settings.Savefigure = false;
    QDir(bench.programFolder).removeRecursively();
    ASSERT_TRUE(writeTextFile(bench.programFolder, "a file where the folder belongs\r\n"));
    EXPECT_TRUE(saveData(bench.context()).SaveProblem);
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("TextData", "test6.txt")));
    EXPECT_EQ(bench.mirror.WorkNum, 5);
    EXPECT_EQ(bench.boxes.titles().mid(2),
              QStringList({"Save Data Problem", "Test Number Taken", "Save Data Problem"}));
    EXPECT_TRUE(bench.boxes.texts().last().endsWith(
        "Newt6.ini was not saved: its folder could not be made.\r\nThe test number of Newt6 "
        "stays 5."));
}

namespace {
// Every file below the folder, by path, with its bytes.
QMap<QString, QByteArray> filesBelow(const ResultsBench& bench) {
    QMap<QString, QByteArray> files;
    QDirIterator it(bench.root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files[path] = bench.bytes(path);
    }
    return files;
}
} // namespace

// Test 3's figure, report and set file beside test 2's report, then the record: one call
// failing, the disk filling or the program killed at each call of the save in turn.
TEST(SaveData, AFailureFullDiskOrKillAnywhereLosesNothingAndTheNextSaveWritesOverNothing) {
    using Stop = StoppingFileSystem::Stop;
    StoppingFileSystem counted(Stop::Kill, StoppingFileSystem::atCall(0));
    ResultsBench bench;
    bench.settings.Savefigure = bench.settings.Savetext = bench.settings.SaveSixtests = true;
    bench.settings.FigurePath = bench.root.path(); // no figure45.exe to copy
    const MirrorData mirror = bench.mirror;
    ASSERT_TRUE(writeMirrorRecord(bench.programFolder, "Newt6", mirrorRecordLines(mirror)));
    ASSERT_TRUE(ensureFolder(bench.dataFile("TextData", "")) &&
                writeTextFile(bench.dataFile("TextData", "test2.txt"), "test 2\r\n"));
    const QMap<QString, QByteArray> before = filesBelow(bench);
    const auto restore = [&] { // in the folders a whole save made
        for (const QString& path : filesBelow(bench).keys())
            QFile::remove(path);
        for (auto [path, bytes] : before.asKeyValueRange())
            ASSERT_TRUE(saveFileSafely(path, bytes));
        bench.mirror = mirror;
        bench.boxes.shown.clear();
    };
    counted.calls.clear();
    ASSERT_FALSE(saveData(bench.context()).SaveProblem);
    const QStringList steps = counted.calls;
    const QMap<QString, QByteArray> whole = filesBelow(bench);
    QStringList files; // the record last
    for (const char* name : {"data/Newt6/Figure/Test3.fig", "data/Newt6/TextData/test3.txt",
                             "data/Newt6/TextData/test3.json", "data/Newt6/SixTests/Test3.set",
                             "program/mirrors/Newt6.ini"})
        files << bench.root.file(name);
    const QString& record = files.last();
    for (const Stop stop : {Stop::Refuse, Stop::DiskFull, Stop::Kill}) {
        for (int k = 1; k <= steps.size(); ++k) {
            SCOPED_TRACE(QString("stop %1 at %2").arg(int(stop)).arg(steps[k - 1]).toStdString());
            restore();
            QStringList made;
            SaveDataResult result;
            {
                StoppingFileSystem fs(stop, StoppingFileSystem::atCall(k));
                result = saveData(bench.context());
                made = fs.made;
            }
            const auto saved = [&](const QString& file) {
                return made.filter(QRegularExpression("^rename .* " + file + "$")).size() == 1;
            };
            // Each file as before or whole, the record advanced last.
            const QMap<QString, QByteArray> after = filesBelow(bench);
            for (const QString& file : files) {
                EXPECT_EQ(after.value(file, "(none)"),
                          (saved(file) ? whole : before).value(file, "(none)"));
                EXPECT_TRUE(saved(file) || !saved(record)) << file.toStdString();
                // What was tried and not saved is told.
                if (stop != Stop::Kill && !saved(file) &&
                    (file != record || result.files.size() == files.size())) {
                    EXPECT_TRUE(bench.boxes.texts().last().contains(file)) << file.toStdString();
                }
            }
            if (stop != Stop::Kill) {
                EXPECT_EQ(bench.mirror.WorkNum, result.SaveProblem ? 3 : 4);
                EXPECT_TRUE(result.SaveProblem || saved(record));
                EXPECT_EQ(after.keys().filter(".tmp"), QStringList());
            }
            // Started again, the program saves the next test over none of the files there.
            ASSERT_TRUE(readMirrorRecord(record, bench.mirror).loaded);
            const bool taken =
                bench.mirror.WorkNum == 3 && std::any_of(files.begin(), files.end() - 1, saved);
            bench.boxes.shown.clear();
            EXPECT_FALSE(saveData(bench.context()).SaveProblem);
            EXPECT_EQ(bench.boxes.titles(),
                      taken ? QStringList{"Test Number Taken"} : QStringList());
            const QMap<QString, QByteArray> next = filesBelow(bench);
            for (auto [path, bytes] : after.asKeyValueRange()) {
                if (path != record && !path.endsWith(".tmp")) { // a kill's temporaries may go
                    EXPECT_EQ(next.value(path), bytes) << path.toStdString();
                }
            }
        }
    }
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
    EXPECT_EQ(QList<bool>({QFileInfo::exists(bench.dataFile("SixTests", "Test3.set")),
                           QFileInfo::exists(bench.dataFile("Figure", "Test3.fig")),
                           QFileInfo::exists(bench.dataFile("TextData", "test3.txt"))}),
              QList<bool>({false, true, true}));
    EXPECT_TRUE(bench.recordBytes("Newt6").endsWith("\r\n4\r\n"));
    // Only one of the two launches: no question.
    bench.settings.Savefigure = bench.settings.LaunchSixtests = false;
    EXPECT_FALSE(saveData(bench.context()).SaveProblem);
    EXPECT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_TRUE(QFileInfo::exists(bench.dataFile("SixTests", "Test4.set")));
}

TEST(MirrorRecord, SevenCrLfLinesReadBackFromAFileOfAnyCaseAndBrokenFilesReadSoFar) {
    MirrorBench bench;
    ASSERT_TRUE(ensureFolder(bench.programFolder + "/Mirrors")); // used whatever its case
    const MirrorData dob{"Dob 10", 10.5, 2.25, 60, -1.02, 7, 12};
    ASSERT_TRUE(writeMirrorRecord(bench.programFolder, "dob 10", {"a first version"}));
    ASSERT_TRUE(writeMirrorRecord(bench.programFolder, "Dob 10", mirrorRecordLines(dob)));
    EXPECT_EQ(bench.recordBytes("Dob 10"), "Dob 10\r\n10.5\r\n60\r\n-1.02\r\n2.25\r\n7\r\n12\r\n");
    EXPECT_EQ(QDir(bench.programFolder + "/Mirrors").entryList(QDir::Files),
              QStringList{"dob 10.ini"});
    // Read under each case's own name; "%1" is its file.
    const struct {
        const char* name;
        QString text;
        bool read;
        MirrorData expected;
        const char* said;
    } cases[] = {
        {"Dob 10", bench.recordBytes("DOB 10") + "an eighth line\r\n", true, dob, ""},
        {"B",
         "B\r\n6\r\n48\r\n-1\r\n0\r\n4.5\r\n",
         true,
         {"B", 6, 0, 48, -1, 4, 1},
         "Line 7 of \"%1\" holds no test number; the next test is test 1."},
        {"Bad",
         "Bad\r\n8\r\n64\r\nminus one\r\n1\r\n5\r\n2\r\n",
         false,
         {"Bad", 8, 2, 64, 4, 5, 6},
         "Line 4 of \"%1\" holds \"minus one\": Improper format in Deformation entry!"},
        {"Copy",
         bench.recordBytes("Dob 10"),
         true,
         {"Copy", 10.5, 2.25, 60, -1.02, 7, 12},
         "The record \"%1\" names the mirror \"Dob 10\" on its first line; its tests are filed "
         "under its own name, Copy."},
        {"N",
         "N\r\n-6\r\n",
         false,
         {"N", 1, 2, 3, 4, 5, 6},
         "Line 2 of \"%1\" holds \"-6\": Mirror must be greater than 2!"},
        {"N",
         "N\r\n1e308\r\n",
         false,
         {"N", 1, 2, 3, 4, 5, 6},
         "A diameter must not be beyond 1000000."},
        {"N", "N\r\n6\r\n1\r\n", false, {"N", 6, 2, 3, 4, 5, 6}, "Roc Must be > 1"},
        {"N",
         "N\r\n10\r\n4\r\n",
         false,
         {"N", 10, 2, 3, 4, 5, 6},
         "The radius of curvature must be more than the semi-diameter, 5."},
        {"N",
         "N\r\n6\r\n48\r\n0\r\n100000\r\n",
         false,
         {"N", 6, 2, 48, 0, 5, 6},
         "The obstruction must be smaller than the mirror, 6."},
        {"N",
         "N\r\n6\r\n48\r\n0\r\n0\r\n17\r\n",
         false,
         {"N", 6, 0, 48, 0, 5, 6},
         "Number of zones must be between 2 & 11!"},
        {"N",
         "N\r\n6\r\n48\r\n0\r\n0\r\n5\r\n2147483647\r\n",
         false,
         {"N", 6, 0, 48, 0, 5, 6},
         "The next test number must be from 1 to 999999."}};
    for (const auto& c : cases) {
        MirrorData read{"old", 1, 2, 3, 4, 5, 6};
        const QString path = bench.record(c.name, c.text);
        const MirrorRecordRead r = readMirrorRecord(path, read);
        EXPECT_EQ(r.loaded, c.read) << c.text.toStdString();
        EXPECT_EQ(mirrorRecordLines(read), mirrorRecordLines(c.expected)) << c.text.toStdString();
        EXPECT_TRUE((r.problem + r.notes.join(' ')).contains(QString(c.said).replace("%1", path)))
            << r.problem.toStdString() << r.notes.join(' ').toStdString();
    }
    EXPECT_FALSE(readMirrorRecord(bench.record("absent"), bench.mirror).loaded);
}

TEST(MirrorEditor, ChecksSavesOpensAndAsksBeforeOverwriting) {
    MirrorBench bench;
    bench.settings.mirrorList = {"A", "B"};
    EXPECT_FALSE(bench.editor.save({"a/b", "1.99", "1", "-1", "-0.5", "17", "none"}));
    EXPECT_EQ(bench.boxes.texts().mid(2, 3),
              QStringList({"Roc Must be > 1", "Your secondary has a Negative value?",
                           "Number of zones must be between 2 & 11!"}));
    EXPECT_EQ(bench.boxes.shown.size(), 6);
    EXPECT_TRUE(bench.calls.isEmpty());

    ASSERT_TRUE(bench.editor.save({"Newt6", "6.0", "48", "-1", "1.5", "4.5", "0"}));
    EXPECT_EQ(mirrorRecordLines(bench.mirror), mirrorRecordLines({"Newt6", 6, 1.5, 48, -1, 4, 1}));
    // Lines 2 to 6 as typed; "Tests Ran to Date" 0 is written as 1.
    EXPECT_EQ(bench.recordBytes("Newt6"), "Newt6\r\n6.0\r\n48\r\n-1\r\n1.5\r\n4.5\r\n1\r\n");
    EXPECT_EQ(asStrings(bench.settings.mirrorList).mid(0, 3), QStringList({"Newt6", "A", "B"}));

    // Saving over it asks first; opening it fills the boxes, and cancel then saves unasked.
    bench.boxes.answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(bench.editor.save({"newt6", "6", "50", "-1", "0", "5", "0"}));
    EXPECT_EQ(bench.boxes.shown.last().text, "File Exists! Overwrite file?");
    MirrorEntryTexts shown;
    bench.editor.openExisting(bench.record("Newt6"), shown);
    EXPECT_EQ(QStringList({shown.name, shown.obstruction, shown.testsRun}),
              QStringList({"Newt6", "1.5", "0"}));
    shown.roc = "50";
    bench.editor.cancel(shown);
    EXPECT_EQ(bench.boxes.shown.size(), 7);
    EXPECT_TRUE(bench.recordBytes("Newt6").contains("\r\n50\r\n"));
    EXPECT_EQ(bench.calls, QStringList(2, "zoneCalc"));
}

TEST(MirrorList, ASelectionLoadsTheRecordOrRemovesItsEntryAndTwins) {
    MirrorBench bench;
    bench.settings.mirrorList = {"A", "D", "", "C", "A", "X", "D", "E", "F", "A"};
    writeMirrorRecord(bench.programFolder, "C", mirrorRecordLines({"C", 6, 0, 48, -1, 8, 2}));
    const MirrorSelectionContext context{bench.programFolder,    bench.settings,
                                         bench.mirror,           bench.boxes,
                                         bench.note("zoneCalc"), bench.note("zoneOn"),
                                         bench.note("relayout"), bench.note("saveSettings")};
    EXPECT_TRUE(selectMirror(4, context)); // moved up; twins in the first nine go, entry 10 too
    EXPECT_EQ(asStrings(bench.settings.mirrorList),
              QStringList({"C", "A", "D", "", "X", "E", "F", "", "", ""}));
    EXPECT_FALSE(selectMirror(5, context)); // X has no record
    EXPECT_EQ(asStrings(bench.settings.mirrorList),
              QStringList({"C", "A", "D", "", "E", "F", "", "", "", ""}));
    EXPECT_EQ(bench.calls.join(' '), "zoneCalc zoneOn relayout saveSettings relayout saveSettings");
    EXPECT_EQ(bench.boxes.titles(), QStringList{"Oh Shit!"});
    EXPECT_TRUE(bench.boxes.texts().value(0).startsWith(
        "File Not Found :(\r\nRemoving entry from list\r\n\"" + bench.record("X") + "\" cannot"));
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
