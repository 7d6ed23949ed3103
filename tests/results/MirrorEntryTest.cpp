#include "results/MirrorEntry.h"
#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "results/MirrorEditorSession.h"
#include "results/MirrorRecord.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
MirrorEntryTexts goodEntry(const QString& name = "Newt6") {
    return {name, "6", "48", "-1", "1.5", "5", "0"};
}

QStringList titlesOf(const QList<Message>& messages) {
    QStringList out;
    for (const Message& m : messages)
        out << m.title;
    return out;
}

QStringList textsOf(const QList<Message>& messages) {
    QStringList out;
    for (const Message& m : messages)
        out << m.text;
    return out;
}

struct EditorBench {
    EditorBench() { settings.mirrorList.fill(EmptyMirrorSlot); }
    MirrorEditorContext context() {
        return {dir.path(),
                settings,
                mirror,
                boxes,
                [this] { calls << "zoneCalc"; },
                [this] { calls << "setZoneOn"; }};
    }
    QString recordPath(const QString& name) const {
        return joinPath(dir.path(), {"mirrors", name + ".ini"});
    }
    QByteArray record(const QString& name) const {
        QFile file(recordPath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    testkit::TempFolder dir;
    Settings settings;
    MirrorData mirror;
    testkit::RecordingMessageBoxes boxes;
    QStringList calls;
};
} // namespace

TEST(MirrorEntryChecks, ZoneCountsFromTwoToSixteenPass) {
    testkit::RecordingMessageBoxes boxes;
    for (const QString zones : {"2", "16", " 9 "}) {
        MirrorEntryTexts texts = goodEntry();
        texts.zones = zones;
        EXPECT_TRUE(checkMirrorEntry(texts, {}, boxes).passed()) << zones.toStdString();
    }
    for (const QString zones : {"1", "17"}) {
        MirrorEntryTexts texts = goodEntry();
        texts.zones = zones;
        const MirrorEntryCheck check = checkMirrorEntry(texts, {}, boxes);
        ASSERT_EQ(check.failures.size(), 1);
        EXPECT_EQ(check.failures[0].text, "Number of zones must be between 2 & 11!");
        EXPECT_EQ(check.failures[0].title, "Zone Error!");
        EXPECT_EQ(check.failures[0].buttons, MessageButtons::Ok);
    }
}

TEST(MirrorEntryChecks, LimitsOfDiameterRadiusAndObstruction) {
    testkit::RecordingMessageBoxes boxes;
    MirrorEntryTexts edge = goodEntry();
    edge.diameter = "2";
    edge.obstruction = "0";
    edge.cc = "-12345";
    EXPECT_TRUE(checkMirrorEntry(edge, {}, boxes).passed());

    MirrorEntryTexts low = goodEntry();
    low.diameter = "1.99";
    low.roc = "1";
    low.obstruction = "-0.5";
    const MirrorEntryCheck check = checkMirrorEntry(low, {}, boxes);
    EXPECT_EQ(textsOf(check.failures),
              QStringList({"Mirror must be greater than 2!", "Roc Must be > 1",
                           "Your secondary has a Negative value?"}));
    EXPECT_EQ(titlesOf(check.failures), QStringList({"Diameter Error", "ROC Error", "You Wish!"}));
}

TEST(MirrorEntryChecks, EveryCheckRunsAndReportsInOrder) {
    testkit::RecordingMessageBoxes boxes;
    const MirrorEntryTexts bad{"", "six", "1,5", "x", "1e", "five", "none"};
    const MirrorEntryCheck check = checkMirrorEntry(bad, {}, boxes);
    EXPECT_EQ(
        textsOf(check.failures),
        QStringList({"How about a Name for this info :)", "Improper format in mirror diameter!",
                     "Improper format in ROC entry!", "Improper format in Deformation entry!",
                     "Improper format in Secondary Obstruction entry!",
                     "Improper format in Zone entry!", "Improper format in Number of Tests Run!"}));
    EXPECT_EQ(titlesOf(check.failures),
              QStringList({"Naming Error!", "Diameter error!", "ROC Error!",
                           "Deformation Constant error!", "Obstruction Error!", "Zone Error!",
                           "Tests Ran Error"}));
    EXPECT_TRUE(boxes.shown.isEmpty());
}

TEST(MirrorEntryChecks, EachIllegalCharacterIsReportedOnce) {
    testkit::RecordingMessageBoxes boxes;
    const MirrorEntryCheck check = checkMirrorEntry(goodEntry("a/b:c"), {}, boxes);
    EXPECT_EQ(textsOf(check.failures), QStringList(2, "Name may not contain /\\:*?<>|!"));
    EXPECT_EQ(titlesOf(check.failures), QStringList(2, "Illegal Characters!"));
    EXPECT_EQ(checkMirrorEntry(goodEntry("*?<>|\\"), {}, boxes).failures.size(), 6);
}

TEST(MirrorEntryChecks, ClosingWithoutANameStopsSilently) {
    testkit::RecordingMessageBoxes boxes;
    MirrorEntryTexts texts{"", "bad", "bad", "bad", "bad", "bad", "bad"};
    MirrorEntryState closing;
    closing.closing = true;
    const MirrorEntryCheck check = checkMirrorEntry(texts, closing, boxes);
    EXPECT_TRUE(check.stoppedSilently);
    EXPECT_TRUE(check.failures.isEmpty());
    EXPECT_FALSE(check.passed());
}

TEST(MirrorEntryChecks, AnExistingRecordAsksBeforeOverwriting) {
    testkit::TempFolder dir;
    writeMirrorRecord(dir.path(), "Newt6", {"Newt6"});
    testkit::RecordingMessageBoxes boxes;
    boxes.answers = {MessageAnswer::Cancel, MessageAnswer::Ok};
    MirrorEntryState state{dir.path(), false, false};

    const MirrorEntryCheck refused = checkMirrorEntry(goodEntry("newt6"), state, boxes);
    EXPECT_TRUE(refused.overwriteRefused);
    EXPECT_FALSE(refused.passed());
    ASSERT_EQ(boxes.shown.size(), 1);
    EXPECT_EQ(boxes.shown[0].text, "File Exists! Overwrite file?");
    EXPECT_EQ(boxes.shown[0].title, "File Warning!");
    EXPECT_EQ(boxes.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_EQ(boxes.shown[0].defaultAnswer, MessageAnswer::Cancel);

    EXPECT_TRUE(checkMirrorEntry(goodEntry(), state, boxes).passed());
    state.openedFromFile = true;
    EXPECT_TRUE(checkMirrorEntry(goodEntry(), state, boxes).passed());
    EXPECT_EQ(boxes.shown.size(), 2); // no question for a record opened from its file
    // A name with illegal characters is never looked up.
    state.openedFromFile = false;
    checkMirrorEntry(goodEntry("Newt6?"), state, boxes);
    EXPECT_EQ(boxes.shown.size(), 2);
}

TEST(MirrorEditor, SaveMakesTheCurrentMirrorWritesTheRecordAndListsItFirst) {
    EditorBench bench;
    bench.settings.mirrorList[0] = "Older";
    MirrorEditorSession session(bench.context());
    const MirrorEntryTexts texts{"Newt6", "6.0", "48", "-1", "1.5", "4.5", "0"};
    ASSERT_TRUE(session.save(texts));
    EXPECT_EQ(bench.mirror.WorkFile, "Newt6");
    EXPECT_EQ(bench.mirror.MirDiam, 6);
    EXPECT_EQ(bench.mirror.Roc, 48);
    EXPECT_EQ(bench.mirror.CC, -1);
    EXPECT_EQ(bench.mirror.Obst, 1.5);
    EXPECT_EQ(bench.mirror.NZ, 4);
    EXPECT_EQ(bench.mirror.WorkNum, 1);
    // Lines 2 to 6 as typed; "Tests Ran to Date" 0 is written as 1.
    EXPECT_EQ(bench.record("Newt6"), "Newt6\r\n6.0\r\n48\r\n-1\r\n1.5\r\n4.5\r\n1\r\n");
    EXPECT_EQ(bench.calls, QStringList({"zoneCalc", "setZoneOn"}));
    EXPECT_EQ(bench.settings.mirrorList[0], "Newt6");
    EXPECT_EQ(bench.settings.mirrorList[1], "Older");
}

TEST(MirrorEditor, AFailedCheckShowsEveryMessageAndSavesNothing) {
    EditorBench bench;
    MirrorEditorSession session(bench.context());
    MirrorEntryTexts texts = goodEntry("two<bad>");
    texts.roc = "1";
    EXPECT_FALSE(session.save(texts));
    EXPECT_EQ(bench.boxes.texts(),
              QStringList({"Name may not contain /\\:*?<>|!", "Name may not contain /\\:*?<>|!",
                           "Roc Must be > 1"}));
    EXPECT_TRUE(bench.calls.isEmpty());
    EXPECT_EQ(bench.mirror.WorkFile, "");
    EXPECT_FALSE(QDir(joinPath(bench.dir.path(), {"mirrors"})).exists());
    EXPECT_EQ(bench.settings.mirrorList[0], EmptyMirrorSlot);
}

TEST(MirrorEditor, RecordRoundTripShowsTestsRanAgain) {
    EditorBench bench;
    MirrorEditorSession session(bench.context());
    ASSERT_TRUE(session.save(goodEntry()));

    MirrorEditorSession reopened(bench.context());
    MirrorEntryTexts shown{"", "0", "0", "-1", "0", "5", "0"};
    reopened.openExisting(bench.recordPath("Newt6"), shown);
    EXPECT_TRUE(reopened.openedFromFile());
    EXPECT_EQ(shown.name, "Newt6");
    EXPECT_EQ(shown.diameter, "6");
    EXPECT_EQ(shown.roc, "48");
    EXPECT_EQ(shown.cc, "-1");
    EXPECT_EQ(shown.obstruction, "1.5");
    EXPECT_EQ(shown.zones, "5");
    EXPECT_EQ(shown.testsRun, "0");
}

TEST(MirrorEditor, OpeningABrokenFileFillsWhatItCanAndIgnoresTheRest) {
    EditorBench bench;
    ensureFolder(joinPath(bench.dir.path(), {"mirrors"}));
    writeTextFile(bench.recordPath("Short"), "Short\r\n8\r\n64\r\n");
    writeTextFile(bench.recordPath("BadCount"),
                  "BadCount\r\n8\r\n64\r\n-1\r\n0\r\n6\r\nten\r\nx\r\n");
    MirrorEditorSession session(bench.context());
    MirrorEntryTexts shown{"", "0", "0", "-1", "0", "5", "0"};
    session.openExisting(bench.recordPath("Short"), shown);
    EXPECT_EQ(shown.name, "Short");
    EXPECT_EQ(shown.roc, "64");
    EXPECT_EQ(shown.cc, "-1"); // untouched
    EXPECT_EQ(shown.zones, "5");

    session.openExisting(bench.recordPath("BadCount"), shown);
    EXPECT_EQ(shown.zones, "6");
    EXPECT_EQ(shown.testsRun, "0");

    MirrorEntryTexts untouched = goodEntry("Keep");
    session.openExisting(bench.recordPath("Absent"), untouched);
    EXPECT_EQ(untouched.name, "Keep");
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
}

TEST(MirrorEditor, CancelAfterOpeningSavesWithoutTheOverwriteQuestion) {
    EditorBench bench;
    writeMirrorRecord(bench.dir.path(), "Newt6", entryRecordLines(goodEntry()));
    MirrorEditorSession session(bench.context());
    MirrorEntryTexts texts;
    session.openExisting(bench.recordPath("Newt6"), texts);
    texts.roc = "50";
    session.cancel(texts);
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
    EXPECT_EQ(bench.mirror.Roc, 50);
    EXPECT_TRUE(bench.record("Newt6").contains("\r\n50\r\n"));
    EXPECT_FALSE(session.openedFromFile());
}

TEST(MirrorEditor, CancelWithAnEmptyNameOrWithoutOpeningSavesNothing) {
    EditorBench bench;
    MirrorEditorSession fresh(bench.context());
    fresh.cancel(goodEntry());
    writeMirrorRecord(bench.dir.path(), "Newt6", entryRecordLines(goodEntry()));
    MirrorEditorSession opened(bench.context());
    MirrorEntryTexts texts;
    opened.openExisting(bench.recordPath("Newt6"), texts);
    texts.name.clear();
    texts.diameter = "nonsense";
    opened.cancel(texts);
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
    EXPECT_TRUE(bench.calls.isEmpty());
}

TEST(MirrorEditor, AnUnwritableRecordStillChangesTheCurrentMirror) {
    EditorBench bench;
    writeTextFile(joinPath(bench.dir.path(), {"mirrors"}), "a file where the folder belongs\r\n");
    MirrorEditorSession session(bench.context());
    EXPECT_TRUE(session.save(goodEntry()));
    EXPECT_EQ(bench.mirror.WorkFile, "Newt6");
    EXPECT_EQ(bench.calls, QStringList({"zoneCalc", "setZoneOn"}));
    EXPECT_EQ(bench.settings.mirrorList[0], "Newt6");
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
}
