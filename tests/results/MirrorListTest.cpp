#include "results/MirrorList.h"
#include "app/core/ProgramFolder.h"
#include "app/core/TextFile.h"
#include "results/MirrorRecord.h"
#include "results/MirrorSelection.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {
MirrorList listOf(std::initializer_list<QString> names) {
    MirrorList list;
    list.fill(EmptyMirrorSlot);
    size_t i = 0;
    for (const QString& name : names)
        list[i++] = name;
    return list;
}

QStringList asStrings(const MirrorList& list) {
    return QStringList(list.begin(), list.end());
}

// A program folder with records and a main window that counts its callbacks.
struct SelectionBench {
    void addRecord(const QString& name, int zones = 5) {
        writeMirrorRecord(dir.path(), name, mirrorRecordLines({name, 6, 0, 48, -1, zones, 2}));
    }
    MirrorSelectionContext context() {
        return {dir.path(),
                settings,
                mirror,
                boxes,
                [this] { calls << "zoneCalc"; },
                [this] { calls << "setZoneOn"; },
                [this] { calls << "relayout"; },
                [this] { calls << "saveSettings"; }};
    }
    testkit::TempFolder dir;
    Settings settings;
    MirrorData mirror;
    testkit::RecordingMessageBoxes boxes;
    QStringList calls;
};
} // namespace

TEST(MirrorList, PutAtTopShiftsShownEntriesAndDropsTheLast) {
    MirrorList list = listOf({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    putMirrorAtTop(list, "New");
    EXPECT_EQ(asStrings(list), QStringList({"New", "A", "B", "C", "D", "E", "F", "G", "H", "I"}));

    MirrorList partial = listOf({"A", "B"});
    putMirrorAtTop(partial, "A"); // not searched: listed twice
    EXPECT_EQ(asStrings(partial),
              QStringList({"A", "A", "B", "mnu", "mnu", "mnu", "mnu", "mnu", "mnu", "mnu"}));

    // The entry below a gap is hidden; the shown ones keep their order.
    MirrorList gap = listOf({"A", "", "C"});
    putMirrorAtTop(gap, "N");
    EXPECT_EQ(asStrings(gap).mid(0, 5), QStringList({"N", "A", "mnu", "C", "mnu"}));
}

TEST(MirrorList, MoveToTopShiftsTheEntriesAboveDown) {
    MirrorList list = listOf({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    moveMirrorToTop(list, 4);
    EXPECT_EQ(asStrings(list), QStringList({"D", "A", "B", "C", "E", "F", "G", "H", "I", "J"}));
    moveMirrorToTop(list, 1);
    EXPECT_EQ(list[0], "D");
    moveMirrorToTop(list, 10);
    EXPECT_EQ(asStrings(list), QStringList({"J", "D", "A", "B", "C", "E", "F", "G", "H", "I"}));
}

TEST(MirrorList, RemovalClosesTheGapAndEmptiesEntryTen) {
    MirrorList list = listOf({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    removeMirrorEntry(list, 3);
    EXPECT_EQ(asStrings(list), QStringList({"A", "B", "D", "E", "F", "G", "H", "I", "J", ""}));
    removeMirrorEntry(list, 10);
    EXPECT_EQ(list[9], "");
    EXPECT_EQ(list[8], "J");
}

TEST(MirrorList, DuplicatesAmongTheFirstNineAreReducedToOne) {
    MirrorList list = listOf({"A", "B", "A", "A", "C", "B", "D", "E", "F", "A"});
    removeDuplicateMirrors(list);
    // Entry 10's "A" moves up into the first nine as the gaps close, and goes too.
    EXPECT_EQ(asStrings(list), QStringList({"A", "B", "C", "D", "E", "F", "", "", "", ""}));

    MirrorList lastOnly = listOf({"A", "B", "C", "D", "E", "F", "G", "H", "I", "A"});
    removeDuplicateMirrors(lastOnly);
    EXPECT_EQ(lastOnly[9], "A"); // entry 10 itself is not compared

    MirrorList caseDiffers = listOf({"Newt", "newt"});
    removeDuplicateMirrors(caseDiffers);
    EXPECT_EQ(caseDiffers[1], "newt");
}

TEST(MirrorSelection, SelectingEntryFourOfAFullListLoadsItAndMovesItUp) {
    SelectionBench bench;
    bench.settings.mirrorList = listOf({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    bench.addRecord("D", 8);
    EXPECT_TRUE(selectMirror(4, bench.context()));
    EXPECT_EQ(asStrings(bench.settings.mirrorList),
              QStringList({"D", "A", "B", "C", "E", "F", "G", "H", "I", "J"}));
    EXPECT_EQ(bench.mirror.WorkFile, "D");
    EXPECT_EQ(bench.mirror.NZ, 8);
    EXPECT_EQ(bench.mirror.WorkNum, 2);
    EXPECT_EQ(bench.calls, QStringList({"zoneCalc", "setZoneOn", "relayout", "saveSettings"}));
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
}

TEST(MirrorSelection, AMissingRecordIsReportedAndItsEntryRemoved) {
    SelectionBench bench;
    bench.settings.mirrorList = listOf({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    EXPECT_FALSE(selectMirror(3, bench.context()));
    ASSERT_EQ(bench.boxes.shown.size(), 1);
    const Message& shown = bench.boxes.shown.first();
    EXPECT_EQ(shown.title, "Oh Shit!");
    EXPECT_EQ(shown.text, "File Not Found :(\r\nRemoving entry from list");
    EXPECT_EQ(shown.icon, MessageIcon::Critical);
    EXPECT_EQ(shown.buttons, MessageButtons::Ok);
    EXPECT_EQ(asStrings(bench.settings.mirrorList),
              QStringList({"A", "B", "D", "E", "F", "G", "H", "I", "J", ""}));
    EXPECT_FALSE(isMirrorSlotUsed(bench.settings.mirrorList[9]));
    EXPECT_EQ(bench.calls, QStringList({"relayout", "saveSettings"}));
}

TEST(MirrorSelection, ABrokenRecordKeepsWhatWasReadButDoesNotSetZoneOn) {
    SelectionBench bench;
    bench.settings.mirrorList = listOf({"Broken"});
    ensureFolder(joinPath(bench.dir.path(), {"mirrors"}));
    writeTextFile(joinPath(bench.dir.path(), {"mirrors", "Broken.ini"}),
                  "Broken\r\n6\r\nforty\r\n-1\r\n0\r\n5\r\n2\r\n");
    bench.mirror = {"Before", 1, 1, 1, 1, 4, 9};
    EXPECT_FALSE(selectMirror(1, bench.context()));
    EXPECT_EQ(bench.mirror.WorkFile, "Broken");
    EXPECT_EQ(bench.mirror.MirDiam, 6);
    EXPECT_EQ(bench.mirror.Roc, 1);
    EXPECT_FALSE(bench.calls.contains("setZoneOn"));
    EXPECT_FALSE(isMirrorSlotUsed(bench.settings.mirrorList[0]));
}

TEST(MirrorSelection, ARecordWithoutZonesCannotBuildAZoneTable) {
    SelectionBench bench;
    bench.settings.mirrorList = listOf({"Empty", "Big"});
    bench.addRecord("Empty", 0);
    bench.addRecord("Big", 17);
    EXPECT_FALSE(selectMirror(1, bench.context()));
    EXPECT_FALSE(selectMirror(1, bench.context()));
    EXPECT_EQ(bench.boxes.shown.size(), 2);
    EXPECT_FALSE(bench.calls.contains("zoneCalc"));
    EXPECT_FALSE(isMirrorSlotUsed(bench.settings.mirrorList[0]));
}

TEST(MirrorSelection, AnySelectionRemovesDuplicates) {
    SelectionBench bench;
    bench.settings.mirrorList = listOf({"A", "B", "A", "C", "B"});
    bench.addRecord("C");
    EXPECT_TRUE(selectMirror(4, bench.context()));
    EXPECT_EQ(asStrings(bench.settings.mirrorList).mid(0, 4), QStringList({"C", "A", "B", "mnu"}));

    bench.settings.mirrorList = listOf({"A", "X", "A"});
    EXPECT_FALSE(selectMirror(2, bench.context())); // X has no record
    EXPECT_EQ(asStrings(bench.settings.mirrorList).mid(0, 3), QStringList({"A", "mnu", ""}));
}
