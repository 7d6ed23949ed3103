#include "RecordingAutomation.h"
#include "app/core/ProgramFolder.h"
#include "results/MirrorRecord.h"
#include "results/widgets/frmEdit.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempFolder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace orvane;

namespace {
struct DialogBench {
    DialogBench() : dialog(context(), chooser) { dialog.show(); }
    MirrorEditorContext context() {
        return {dir.path(), settings, mirror, boxes, [this] { ++zoneCalcs; }, [] {}};
    }
    QLineEdit* box(const char* name) { return dialog.findChild<QLineEdit*>(name); }
    void click(const char* name) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(name), Qt::LeftButton);
    }
    testkit::TempFolder dir;
    Settings settings;
    MirrorData mirror;
    testkit::RecordingMessageBoxes boxes;
    testkit::ScriptedFileChooser chooser;
    int zoneCalcs = 0;
    frmEdit dialog;
};
} // namespace

TEST(EditorDialog, StartsWithTheInitialTextsAndCaptions) {
    DialogBench bench;
    EXPECT_EQ(bench.dialog.texts().name, "");
    EXPECT_EQ(bench.box("Ndiam")->text(), "0");
    EXPECT_EQ(bench.box("NRoc")->text(), "0");
    EXPECT_EQ(bench.box("NCC")->text(), "-1");
    EXPECT_EQ(bench.box("Nobst")->text(), "0");
    EXPECT_EQ(bench.box("NNZ")->text(), "5");
    EXPECT_EQ(bench.box("NSeries")->text(), "0");
    QStringList captions;
    for (const char* name : {"Command1", "Command2", "Apply", "CancelButton"})
        captions << bench.dialog.findChild<QPushButton*>(name)->text();
    EXPECT_EQ(captions, QStringList({"Open Existing File", "OK", "Apply", "Exit or Cancel"}));
    QStringList labels;
    for (QLabel* label : bench.dialog.findChildren<QLabel*>())
        labels << label->text();
    for (const QString expected :
         {"Mirror Name", "Mirror Diameter", "Radius of Curvature", "Deformation Constant (cc)",
          "Diameter of Secondary Obst.", "Number of Zones to test", "Tests Ran to Date"})
        EXPECT_TRUE(labels.contains(expected)) << expected.toStdString();
}

TEST(EditorDialog, ApplySavesAndStaysOpen) {
    DialogBench bench;
    bench.box("NName")->setText("Newt6");
    bench.box("Ndiam")->setText("6");
    bench.box("NRoc")->setText("48");
    bench.click("Apply");
    EXPECT_TRUE(bench.dialog.isVisible());
    EXPECT_EQ(bench.mirror.WorkFile, "Newt6");
    EXPECT_EQ(bench.zoneCalcs, 1);
    EXPECT_EQ(bench.settings.mirrorList[0], "Newt6");
}

TEST(EditorDialog, OkClosesEvenWhenTheSaveFails) {
    DialogBench bench;
    bench.box("NName")->setText("Newt6");
    bench.click("Command2"); // diameter and ROC still 0
    EXPECT_FALSE(bench.dialog.isVisible());
    EXPECT_EQ(bench.boxes.texts(),
              QStringList({"Mirror must be greater than 2!", "Roc Must be > 1"}));
    EXPECT_EQ(bench.zoneCalcs, 0);
}

TEST(EditorDialog, OpenExistingFileFillsTheBoxesAndCancelSavesThem) {
    DialogBench bench;
    writeMirrorRecord(bench.dir.path(), "Dob", {"Dob", "10", "90", "-1", "2.5", "9", "4"});
    bench.chooser.answers = {mirrorRecordPath(bench.dir.path(), "Dob")};
    bench.click("Command1");
    ASSERT_EQ(bench.chooser.fileRequests.size(), 1);
    const FileRequest& request = bench.chooser.fileRequests[0];
    EXPECT_EQ(request.title, "Which File to Edit?");
    EXPECT_EQ(request.filter, "*.ini");
    EXPECT_EQ(request.startFolder, joinPath(bench.dir.path(), {"mirrors"}));
    EXPECT_EQ(bench.box("NName")->text(), "Dob");
    EXPECT_EQ(bench.box("NNZ")->text(), "9");
    EXPECT_EQ(bench.box("NSeries")->text(), "3");

    bench.box("NRoc")->setText("91");
    bench.click("CancelButton");
    EXPECT_FALSE(bench.dialog.isVisible());
    EXPECT_TRUE(bench.boxes.shown.isEmpty()); // no overwrite question
    EXPECT_EQ(bench.mirror.Roc, 91);
    EXPECT_EQ(bench.mirror.WorkNum, 4);
}

TEST(EditorDialog, CancellingTheFileDialogChangesNothing) {
    DialogBench bench;
    bench.box("NName")->setText("Typed");
    bench.chooser.answers = {std::nullopt};
    bench.click("Command1");
    EXPECT_EQ(bench.box("NName")->text(), "Typed");
    bench.click("CancelButton");
    EXPECT_EQ(bench.zoneCalcs, 0);
    EXPECT_TRUE(bench.boxes.shown.isEmpty());
}
