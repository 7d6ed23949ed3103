// Mirror records, the checks and the editor that write them, and the recent-mirror list.
#include "results/MirrorEditorSession.h"
#include "results/MirrorEntry.h"
#include "results/MirrorList.h"
#include "results/MirrorRecord.h"
#include "results/MirrorSelection.h"

#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {
MirrorEntryTexts goodEntry(const QString& name = "Newt6") {
    return {name, "6", "48", "-1", "1.5", "5", "0"};
}

MirrorList listOf(std::initializer_list<QString> names) {
    MirrorList list;
    list.fill(EmptyMirrorSlot);
    std::copy(names.begin(), names.end(), list.begin());
    return list;
}

QStringList asStrings(const MirrorList& list) {
    return QStringList(list.begin(), list.end());
}

// A program folder with a mirrors folder, the main window's state and its recorded callbacks.
struct MirrorBench {
    MirrorBench() {
        settings.mirrorList = listOf({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    }
    QString record(const QString& name, const QString& text = {}) {
        const QString path = joinPath(dir.path(), {"mirrors", name + ".ini"});
        if (!text.isEmpty())
            EXPECT_TRUE(ensureFolder(QFileInfo(path).path()) && writeTextFile(path, text));
        return path;
    }
    QByteArray bytes(const QString& name) {
        QFile file(mirrorRecordPath(dir.path(), name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    MirrorEditorContext editor() {
        return {dir.path(),
                settings,
                mirror,
                boxes,
                [this] { calls << "zoneCalc"; },
                [this] { calls << "setZoneOn"; }};
    }
    MirrorSelectionContext selection() {
        return {dir.path(),
                settings,
                mirror,
                boxes,
                [this] { calls << "zoneCalc"; },
                [this] { calls << "setZoneOn"; },
                [this] { calls << "relayout"; },
                [this] { calls << "saveSettings"; }};
    }
    TempFolder dir;
    Settings settings;
    MirrorData mirror;
    RecordingMessageBoxes boxes;
    QStringList calls;
};
} // namespace

TEST(MirrorRecord, SevenCrLfLinesReadBackFromAFileOfAnyCase) {
    MirrorBench bench;
    ASSERT_TRUE(ensureFolder(bench.dir.path() + "/Mirrors")); // used whatever its case
    ASSERT_TRUE(writeMirrorRecord(bench.dir.path(), "Dob 10",
                                  mirrorRecordLines({"Dob 10", 10.5, 2.25, 60, -1.02, 7, 12})));
    EXPECT_EQ(bench.bytes("Dob 10"), "Dob 10\r\n10.5\r\n60\r\n-1.02\r\n2.25\r\n7\r\n12\r\n");
    MirrorData read;
    ASSERT_TRUE(readMirrorRecord(mirrorRecordPath(bench.dir.path(), "DOB 10"), read));
    EXPECT_EQ(mirrorRecordLines(read), mirrorRecordLines({"Dob 10", 10.5, 2.25, 60, -1.02, 7, 12}));
    ASSERT_TRUE(writeMirrorRecord(bench.dir.path(), "dob 10", {"again"})); // the same file
    EXPECT_EQ(QDir(bench.dir.path()).entryList(QDir::Dirs | QDir::Files | QDir::NoDotAndDotDot),
              QStringList{"Mirrors"});
    EXPECT_EQ(QDir(bench.dir.path() + "/Mirrors").entryList(QDir::Files),
              QStringList{"Dob 10.ini"});
}

TEST(MirrorRecord, CountsRoundHalvesToEvenExtraLinesAreIgnoredAFailureKeepsWhatWasRead) {
    MirrorBench bench;
    const struct {
        const char* text;
        bool read;
        MirrorData expected;
    } cases[] = {
        {"A\r\n6\r\n48\r\n-1\r\n0\r\n4.5\r\n5.5\r\nnot a number\r\n",
         true,
         {"A", 6, 0, 48, -1, 4, 6}},
        {"B\r\n6\r\n48\r\n-1\r\n0\r\n5.5\r\n2.49\r\n", true, {"B", 6, 0, 48, -1, 6, 2}},
        {"S\r\n8\r\n", true, {"S", 8, 0, 0, 0, 0, 0}}, // missing lines count 0
        {"Bad\r\n8\r\n64\r\nminus one\r\n1\r\n5\r\n2\r\n", false, {"Bad", 8, 2, 64, 4, 5, 6}}};
    for (const auto& c : cases) {
        MirrorData read{"old", 1, 2, 3, 4, 5, 6};
        EXPECT_EQ(readMirrorRecord(bench.record("r", c.text), read), c.read) << c.text;
        EXPECT_EQ(mirrorRecordLines(read), mirrorRecordLines(c.expected)) << c.text;
    }
    MirrorData untouched{"old", 1, 2, 3, 4, 5, 6};
    EXPECT_FALSE(readMirrorRecord(bench.record("absent"), untouched));
    EXPECT_EQ(untouched.WorkFile, "old");
    ASSERT_TRUE(QDir(bench.dir.path() + "/mirrors").removeRecursively());
    ASSERT_TRUE(writeTextFile(bench.dir.path() + "/mirrors", "a file in the way\r\n"));
    EXPECT_FALSE(writeMirrorRecord(bench.dir.path(), "X", {"X"}));
}

TEST(MirrorEntry, EveryCheckRunsAndReportsInOrder) {
    MirrorBench bench;
    const struct {
        MirrorEntryTexts entry;
        QStringList messages, titles;
    } cases[] = {
        {{"", "six", "1,5", "x", "1e", "five", "none"},
         {"How about a Name for this info :)", "Improper format in mirror diameter!",
          "Improper format in ROC entry!", "Improper format in Deformation entry!",
          "Improper format in Secondary Obstruction entry!", "Improper format in Zone entry!",
          "Improper format in Number of Tests Run!"},
         {"Naming Error!", "Diameter error!", "ROC Error!", "Deformation Constant error!",
          "Obstruction Error!", "Zone Error!", "Tests Ran Error"}},
        {{"a/b:c", "1.99", "1", "-12345", "-0.5", "1", "0"},
         {"Name may not contain /\\:*?<>|!", "Name may not contain /\\:*?<>|!",
          "Mirror must be greater than 2!", "Roc Must be > 1",
          "Your secondary has a Negative value?", "Number of zones must be between 2 & 11!"},
         {"Illegal Characters!", "Illegal Characters!", "Diameter Error", "ROC Error", "You Wish!",
          "Zone Error!"}},
        {{"Newt6", "2", "48", "-1", "0", "17", "0"},
         {"Number of zones must be between 2 & 11!"},
         {"Zone Error!"}},
        {{"Newt6", "2", "48", "-1", "0", "16", "0"}, {}, {}},
        {{"Newt6", "2", "48", "-1", "0", " 2 ", "0"}, {}, {}},
    };
    for (const auto& c : cases) {
        const MirrorEntryCheck check = checkMirrorEntry(c.entry, {}, bench.boxes);
        QStringList messages, titles;
        for (const Message& m : check.failures) {
            messages << m.text;
            titles << m.title;
        }
        EXPECT_EQ(messages, c.messages) << c.entry.name.toStdString();
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(check.passed(), c.messages.isEmpty());
    }
    EXPECT_EQ(checkMirrorEntry(goodEntry("*?<>|\\"), {}, bench.boxes).failures.size(), 6);
    const MirrorEntryCheck closing =
        checkMirrorEntry({"", "bad", "bad", "bad", "bad", "bad", "bad"}, {{}, true}, bench.boxes);
    EXPECT_TRUE(closing.stoppedSilently && closing.failures.isEmpty() && !closing.passed());
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
}

TEST(MirrorEntry, AnExistingRecordAsksBeforeOverwritingUnlessOpenedFromIt) {
    MirrorBench bench;
    bench.record("Newt6", "Newt6\r\n");
    bench.boxes.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
    MirrorEntryState state{bench.dir.path(), false, false};
    const MirrorEntryCheck refused = checkMirrorEntry(goodEntry("newt6"), state, bench.boxes);
    EXPECT_TRUE(refused.overwriteRefused);
    EXPECT_FALSE(refused.passed());
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_EQ(bench.boxes.shown[0].text, "File Exists! Overwrite file?");
    EXPECT_EQ(bench.boxes.shown[0].title, "File Warning!");
    EXPECT_EQ(bench.boxes.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(bench.boxes.shown[0].defaultAnswer, MessageAnswer::Cancel);
    EXPECT_TRUE(checkMirrorEntry(goodEntry(), state, bench.boxes).passed());
    state.openedFromFile = true;
    EXPECT_TRUE(checkMirrorEntry(goodEntry(), state, bench.boxes).passed());
    state.openedFromFile = false;
    checkMirrorEntry(goodEntry("Newt6?"), state, bench.boxes); // an illegal name is not looked up
    EXPECT_EQ(bench.boxes.shown.size(), 2);
}

TEST(MirrorEditor, SaveMakesTheCurrentMirrorWritesTheRecordAndListsItFirst) {
    MirrorBench bench;
    MirrorEditorSession session(bench.editor());
    MirrorEntryTexts texts = goodEntry("two<bad>");
    texts.roc = "1";
    EXPECT_FALSE(session.save(texts));
    EXPECT_EQ(bench.boxes.texts(),
              QStringList({"Name may not contain /\\:*?<>|!", "Name may not contain /\\:*?<>|!",
                           "Roc Must be > 1"}));
    EXPECT_TRUE(bench.calls.isEmpty() && bench.mirror.WorkFile.isEmpty());

    ASSERT_TRUE(session.save({"Newt6", "6.0", "48", "-1", "1.5", "4.5", "0"}));
    EXPECT_EQ(mirrorRecordLines(bench.mirror), mirrorRecordLines({"Newt6", 6, 1.5, 48, -1, 4, 1}));
    // Lines 2 to 6 as typed; "Tests Ran to Date" 0 is written as 1.
    EXPECT_EQ(bench.bytes("Newt6"), "Newt6\r\n6.0\r\n48\r\n-1\r\n1.5\r\n4.5\r\n1\r\n");
    EXPECT_EQ(bench.calls, QStringList({"zoneCalc", "setZoneOn"}));
    EXPECT_EQ(asStrings(bench.settings.mirrorList).mid(0, 3), QStringList({"Newt6", "A", "B"}));

    // An unwritable record still changes the current mirror.
    QDir(bench.dir.path() + "/mirrors").removeRecursively();
    writeTextFile(bench.dir.path() + "/mirrors", "a file where the folder belongs\r\n");
    EXPECT_TRUE(session.save(goodEntry("Dob")));
    EXPECT_EQ(bench.mirror.WorkFile, "Dob");
    EXPECT_EQ(bench.boxes.shown.size(), 3);
}

TEST(MirrorEditor, OpeningFillsWhatTheRecordHoldsAndCancelSavesItWithoutAQuestion) {
    MirrorBench bench;
    const MirrorEntryTexts initial{"", "0", "0", "-1", "0", "5", "0"};
    MirrorEditorSession session(bench.editor());
    MirrorEntryTexts shown = initial;
    session.openExisting(bench.record("Short", "Short\r\n8\r\n64\r\n"), shown);
    EXPECT_EQ(QStringList({shown.name, shown.roc, shown.cc, shown.zones}),
              QStringList({"Short", "64", "-1", "5"})); // the rest untouched
    session.openExisting(bench.record("Bad", "Bad\r\n8\r\n64\r\n-1\r\n0\r\n6\r\nten\r\nx\r\n"),
                         shown);
    EXPECT_EQ(QStringList({shown.zones, shown.testsRun}), QStringList({"6", "0"}));
    session.openExisting(bench.record("Absent"), shown);
    EXPECT_EQ(shown.name, "Bad");

    writeMirrorRecord(bench.dir.path(), "Newt6", entryRecordLines(goodEntry()));
    MirrorEditorSession fresh(bench.editor());
    fresh.cancel(goodEntry()); // nothing opened: nothing saved
    shown = initial;
    fresh.openExisting(bench.record("Newt6"), shown);
    EXPECT_EQ(QStringList({shown.name, shown.diameter, shown.testsRun}),
              QStringList({"Newt6", "6", "0"})); // the record's next test is 1
    EXPECT_TRUE(fresh.openedFromFile());
    shown.roc = "50";
    fresh.cancel(shown);
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
    EXPECT_EQ(bench.mirror.Roc, 50);
    EXPECT_TRUE(bench.bytes("Newt6").contains("\r\n50\r\n"));
    EXPECT_FALSE(fresh.openedFromFile());
    EXPECT_EQ(bench.calls, QStringList({"zoneCalc", "setZoneOn"}));
}

TEST(MirrorList, EntriesMoveUpShiftDownAndCloseUp) {
    MirrorList list = listOf({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    putMirrorAtTop(list, "New");
    EXPECT_EQ(asStrings(list), QStringList({"New", "A", "B", "C", "D", "E", "F", "G", "H", "I"}));
    moveMirrorToTop(list, 4);
    moveMirrorToTop(list, 10);
    EXPECT_EQ(asStrings(list), QStringList({"I", "C", "New", "A", "B", "D", "E", "F", "G", "H"}));
    removeMirrorEntry(list, 3);
    EXPECT_EQ(asStrings(list), QStringList({"I", "C", "A", "B", "D", "E", "F", "G", "H", ""}));
    MirrorList gap = listOf({"A", "", "C"}); // the entry below a gap is hidden
    putMirrorAtTop(gap, "N");
    EXPECT_EQ(asStrings(gap).mid(0, 5), QStringList({"N", "A", "mnu", "C", "mnu"}));
    MirrorList twice = listOf({"A", "B", "A", "A", "C", "B", "D", "E", "F", "A"});
    removeDuplicateMirrors(twice); // entry 10 moves up into the first nine and goes too
    EXPECT_EQ(asStrings(twice), QStringList({"A", "B", "C", "D", "E", "F", "", "", "", ""}));
    MirrorList lastOnly = listOf({"A", "B", "C", "D", "E", "F", "G", "H", "I", "A"});
    removeDuplicateMirrors(lastOnly); // entry 10 itself is not compared
    EXPECT_EQ(lastOnly[9], "A");
}

TEST(MirrorSelection, ASelectionLoadsTheRecordOrRemovesItsEntry) {
    MirrorBench bench;
    writeMirrorRecord(bench.dir.path(), "D", mirrorRecordLines({"D", 6, 0, 48, -1, 8, 2}));
    EXPECT_TRUE(selectMirror(4, bench.selection()));
    EXPECT_EQ(asStrings(bench.settings.mirrorList),
              QStringList({"D", "A", "B", "C", "E", "F", "G", "H", "I", "J"}));
    EXPECT_EQ(mirrorRecordLines(bench.mirror), mirrorRecordLines({"D", 6, 0, 48, -1, 8, 2}));
    EXPECT_EQ(bench.calls, QStringList({"zoneCalc", "setZoneOn", "relayout", "saveSettings"}));
    EXPECT_TRUE(bench.boxes.shown.isEmpty());

    bench.calls.clear();
    EXPECT_FALSE(selectMirror(3, bench.selection())); // B has no record
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    EXPECT_EQ(bench.boxes.shown[0].title, "Oh Shit!");
    EXPECT_EQ(bench.boxes.shown[0].text, "File Not Found :(\r\nRemoving entry from list");
    EXPECT_EQ(bench.boxes.shown[0].icon, MessageIcon::Critical);
    EXPECT_EQ(asStrings(bench.settings.mirrorList),
              QStringList({"D", "A", "C", "E", "F", "G", "H", "I", "J", ""}));
    EXPECT_EQ(bench.calls, QStringList({"relayout", "saveSettings"}));

    // A broken record, or one without a zone table, keeps what was read but sets no zones.
    bench.record("Broken", "Broken\r\n7\r\nforty\r\n-1\r\n0\r\n5\r\n2\r\n");
    bench.record("Big", "Big\r\n6\r\n48\r\n-1\r\n0\r\n17\r\n2\r\n");
    bench.settings.mirrorList = listOf({"Broken", "Big", "A", "Big"});
    EXPECT_FALSE(selectMirror(1, bench.selection()));
    EXPECT_EQ(bench.mirror.WorkFile, "Broken");
    EXPECT_EQ(bench.mirror.MirDiam, 7);
    EXPECT_FALSE(selectMirror(1, bench.selection()));
    EXPECT_EQ(asStrings(bench.settings.mirrorList).mid(0, 3), QStringList({"A", "mnu", ""}));
    EXPECT_EQ(bench.calls.count("setZoneOn"), 0);
}
