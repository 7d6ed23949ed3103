// Mirror records, the checks and the editor that write them, and the recent-mirror list.
#include "ResultsBench.h"
#include "results/MirrorEditorSession.h"
#include "results/MirrorEntry.h"
#include "results/MirrorList.h"
#include "results/MirrorRecord.h"
#include "results/MirrorSelection.h"

#include <gtest/gtest.h>

using namespace orvane;
using namespace orvane::testkit;

namespace {
QStringList asStrings(const MirrorList& list) {
    return QStringList(list.begin(), list.end());
}

// The main window's callbacks recorded in order, and an editor session on the program folder.
struct MirrorBench : ResultsBench {
    QString record(const QString& name, const QString& text = {}) {
        const QString path = joinPath(programFolder, {"mirrors", name + ".ini"});
        if (!text.isEmpty())
            EXPECT_TRUE(ensureFolder(QFileInfo(path).path()) && writeTextFile(path, text));
        return path;
    }
    QByteArray recordBytes(const QString& name) {
        return bytes(mirrorRecordPath(programFolder, name));
    }
    std::function<void()> note(const char* call) {
        return [this, call] { calls << call; };
    }
    QStringList calls;
    MirrorEditorSession editor{{programFolder, settings, mirror, boxes, note("zoneCalc"), [] {}}};
};
} // namespace

TEST(MirrorRecord, SevenCrLfLinesReadBackFromAFileOfAnyCaseAndBrokenFilesReadSoFar) {
    MirrorBench bench;
    ASSERT_TRUE(ensureFolder(bench.programFolder + "/Mirrors")); // used whatever its case
    const MirrorData dob{"Dob 10", 10.5, 2.25, 60, -1.02, 7, 12};
    ASSERT_TRUE(writeMirrorRecord(bench.programFolder, "dob 10", {"a first version"}));
    ASSERT_TRUE(writeMirrorRecord(bench.programFolder, "Dob 10", mirrorRecordLines(dob)));
    EXPECT_EQ(bench.recordBytes("Dob 10"), "Dob 10\r\n10.5\r\n60\r\n-1.02\r\n2.25\r\n7\r\n12\r\n");
    EXPECT_EQ(QDir(bench.programFolder + "/Mirrors").entryList(QDir::Files),
              QStringList{"dob 10.ini"});
    const struct {
        QString text;
        bool read;
        MirrorData expected;
    } cases[] = {
        {bench.recordBytes("DOB 10") + "an eighth line\r\n", true, dob},
        {"B\r\n6\r\n48\r\n-1\r\n0\r\n4.5\r\n2.49\r\n", true, {"B", 6, 0, 48, -1, 4, 2}},
        {"C\r\n6\r\n48\r\n-1\r\n0\r\n5.5\r\n", true, {"C", 6, 0, 48, -1, 6, 0}},
        {"Bad\r\n8\r\n64\r\nminus one\r\n1\r\n5\r\n2\r\n", false, {"Bad", 8, 2, 64, 4, 5, 6}}};
    for (const auto& c : cases) {
        MirrorData read{"old", 1, 2, 3, 4, 5, 6};
        EXPECT_EQ(readMirrorRecord(bench.record("r", c.text), read), c.read)
            << c.text.toStdString();
        EXPECT_EQ(mirrorRecordLines(read), mirrorRecordLines(c.expected)) << c.text.toStdString();
    }
    EXPECT_FALSE(readMirrorRecord(bench.record("absent"), bench.mirror));
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
    EXPECT_EQ(bench.boxes.shown.last().defaultAnswer, MessageAnswer::Cancel);
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
    EXPECT_EQ(bench.mirror.NZ, 8);
    EXPECT_FALSE(selectMirror(5, context)); // X has no record
    EXPECT_EQ(asStrings(bench.settings.mirrorList),
              QStringList({"C", "A", "D", "", "E", "F", "", "", "", ""}));
    EXPECT_EQ(bench.calls.join(' '), "zoneCalc zoneOn relayout saveSettings relayout saveSettings");
    EXPECT_EQ(bench.boxes.titles(), QStringList{"Oh Shit!"});
    EXPECT_EQ(bench.boxes.texts(), QStringList{"File Not Found :(\r\nRemoving entry from list"});
}
