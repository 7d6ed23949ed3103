#include "motion/SimulatedBoard.h"
#include "setup/KnifeSidePicture.h"
#include "setup/StepSizeEditor.h"
#include "setup/widgets/frmsetup.h"
#include "support/DefaultSettings.h"
#include "support/RecordingMessageBoxes.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

// Full steps typed, and the half-step sizes and derived moves that follow; a refusal leaves the
// 0.0005" half-steps and the hand-tuned moves 91-95 as they were.
struct StepSizeCase {
    StepSizeEntry typed;
    const char* refusal;
    double stepSize, lrStepSize;
    QList<int> tfOblateRoughFinalLrLargeSmall;
};

TEST(StepSizeEditor, TypedFullStepsBecomeHalfStepsInInchesAndOnlyAChangedAxisGetsNewMoves) {
    const StepSizeCase cases[] = {
        {{"0.00025", "0.00025"}, nullptr, 0.000125, 0.000125, {40, 16, 8, 6, 1}},
        {{"0.00025", " 0.001 "}, nullptr, 0.000125, 0.0005, {40, 16, 8, 92, 91}},
        {{"0.001", "0.0005"}, nullptr, 0.0005, 0.00025, {93, 94, 95, 3, 0}},
        {{"0.00635", "0.0127", true}, nullptr, 0.000125, 0.00025, {40, 16, 8, 3, 0}},
        {{"0.00025\"", "0.00025"}, "Ooops1", 0.0005, 0.0005, {93, 94, 95, 92, 91}},
        {{"0.00025", "0", true}, "Ooops", 0.0005, 0.0005, {93, 94, 95, 92, 91}},
    };
    for (const StepSizeCase& c : cases) {
        SCOPED_TRACE(c.typed.toFrom.toStdString() + " / " + c.typed.leftRight.toStdString());
        Settings s{.StepSize = 0.0005, .LRStepSize = 0.0005};
        s.autoTest = {0, 0, 4, 10, 91, 92, 15, 15, 93, 20, 94, 30, 95};
        testkit::RecordingMessageBoxes messages;
        EXPECT_EQ(StepSizeEditor(s, messages).accept(c.typed), !c.refusal);
        EXPECT_DOUBLE_EQ(s.StepSize, c.stepSize);
        EXPECT_DOUBLE_EQ(s.LRStepSize, c.lrStepSize);
        EXPECT_EQ(s.Metric, c.typed.millimetres && !c.refusal);
        const AutoTestVariables& v = s.autoTest;
        EXPECT_EQ(
            QList<int>({v.TFOblateMove, v.TFRoughMove, v.TFFinalMoves, v.LRLgMove, v.LRSmMove}),
            c.tfOblateRoughFinalLrLargeSmall);
        EXPECT_EQ(messages.titles(), c.refusal ? QStringList{c.refusal} : QStringList{});
    }
}

// Mean column of the pixels painted exactly in `colour` (not a number when there are none).
double meanColumnOf(const QImage& image, const QColor& colour) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool painted = image.pixel(x, y) == colour.rgb();
            sum += painted ? x : 0;
            count += painted;
        }
    }
    return sum / count;
}

TEST(KnifeSidePicture, KnifeSitsOnTheChosenSideOfTheSource) {
    for (const QSize size : {QSize(220, 150), QSize(60, 40)}) {
        const QImage left = knifeSidePicture(false, size);
        const QImage right = knifeSidePicture(true, size);
        EXPECT_LT(meanColumnOf(left, KnifeColour), meanColumnOf(left, LightSourceColour));
        EXPECT_GT(meanColumnOf(right, KnifeColour), meanColumnOf(right, LightSourceColour));
    }
}

class SetupDialogTest : public ::testing::Test {
  protected:
    void open() {
        const auto opening = [this](const char* name) {
            return [this, name](QWidget* over) { opened << name + QString(over->objectName()); };
        };
        dialog = std::make_unique<frmsetup>(settings, waitForIt, messages,
                                            SetupDialogHooks{opening("save options over "),
                                                             opening("repetitions over "),
                                                             [this] { opened << "save options"; }});
        dialog->show();
    }
    template <typename T = QAbstractButton> T* child(const char* name) {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
    // The ticked boxes and options, and the captions of the reverse boxes.
    QString boxes() {
        QString out;
        for (const char* name : {"Check1", "Check2", "Check3", "Check4", "Option1", "Option2"})
            out += child(name)->isChecked() ? name + QString(" ") : "";
        return out + child("Check3")->text() + " / " + child("Check4")->text();
    }
    QVariant caption(const char* frame) { return child<QObject>(frame)->property("title"); }
    // Runs `inside` on the next modal dialog, so exec() never waits for a person.
    void whenModalOpens(std::function<void(QWidget&)> inside) {
        QTimer::singleShot(0, [inside] { inside(*QApplication::activeModalWidget()); });
    }

    Settings settings = testkit::firstRunSettings();
    bool waitForIt = false;
    testkit::RecordingMessageBoxes messages;
    QStringList opened;
    std::unique_ptr<frmsetup> dialog;
};

TEST_F(SetupDialogTest, OpensWithTheMenusAndTheBoxesWriteTheMenusTheyWereMadeFor) {
    settings.menus.invert = settings.menus.tfSwap = settings.menus.fixedSource = true;
    open();
    EXPECT_EQ(boxes(), "Check1 Check4 Option2 &Reverse L/R Motor / Reverse &To/From Mirror Motor");
    QSignalSpy changed(dialog.get(), &frmsetup::settingsChanged);
    child("Check1")->click();
    child("Option1")->click();
    // The swap box exchanges the reverse boxes only; each box still writes its own menu.
    child("Check2")->click();
    EXPECT_EQ(boxes(), "Check2 Check3 Option1 Reverse &To/From Mirror Motor / &Reverse L/R Motor");
    const PlatformMenus& m = settings.menus;
    EXPECT_FALSE(m.invert || m.fixedSource || m.lrSwap);
    EXPECT_TRUE(m.tfSwap && m.swapMotors && m.lrSwapCaption == "&Reverse L/R Motor");
    child("Check3")->click();
    child("Check3")->click();
    EXPECT_TRUE(m.lrSwap && m.tfSwap);
    EXPECT_EQ(changed.count(), 4);
}

TEST_F(SetupDialogTest, ItsTimerCopiesSpeedsAndIntensitiesAndClosingDerivesTheUnsetMoves) {
    settings.LRStepSize = 0.0005; // not the one the moves come from
    waitForIt = true;
    open();
    QSignalSpy changed(dialog.get(), &frmsetup::settingsChanged);
    child<QObject>("Slider1")->setProperty("value", 3210);
    child<QObject>("Slider2")->setProperty("value", 77);
    child<QObject>("sldmin")->setProperty("value", 55);
    dialog->copyControlsToSettings();
    dialog->copyControlsToSettings();
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(caption("Frame3"), "Max Intensity = 65"); // pushed up by the minimum moved last
    child<QObject>("sldMax")->setProperty("value", 40);
    dialog->copyControlsToSettings();
    EXPECT_EQ(QList<int>({settings.autoTest.Max, settings.autoTest.Min}), QList<int>({40, 30}));
    EXPECT_TRUE(dialog->findChild<QTimer*>("Timer1")->isActive());
    child<QObject>("Slider3")->setProperty("value", 7); // not lost to the timer's interval
    child("cmdOK")->click();
    EXPECT_FALSE(dialog->findChild<QTimer*>("Timer1")->isActive());
    EXPECT_EQ(QList<int>({settings.Maxdelay, settings.Mindelay, settings.sldAcell}),
              QList<int>({3210, 77, 7}));
    const AutoTestVariables& v = settings.autoTest;
    EXPECT_EQ(QList<int>({v.LRSmMove, v.LRLgMove, v.TFOblateMove, v.TFRoughMove, v.TFFinalMoves}),
              QList<int>({1, 6, 40, 16, 8}));

    settings.autoTest = {40, 0, 4, 10, 0, 3, 15, 15, 0, 20, 11};
    open();
    EXPECT_EQ(caption("Frame3"), "Max Intensity = 70"); // unset limits leave the sliders alone
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(settings.autoTest.TFRoughMove, 11); // moves already set are kept
    EXPECT_EQ(opened, QStringList({"save options", "save options"}));
}

// The Motor Board tab tests the board on the device typed: here the board's simulator.
TEST_F(SetupDialogTest, TheMotorBoardTabTestsABoardsConnection) {
    struct : MotorPort {
        void writeData(quint8) override {}
        quint8 readStatus() override { return 0; }
    } motors;
    QString error;
    const auto board = SimulatedBoard::start(motors, &error);
    ASSERT_TRUE(board) << error.toStdString();
    open();
    child<QComboBox>("cboSerialPort")->setEditText(board->slavePath());
    EXPECT_EQ(child<QComboBox>("cboBaud")->currentText(), "115200");
    child("cmdTestBoard")->click();
    EXPECT_EQ(child<QLabel>("lblBoardResult")->text(),
              "ORVANE-STEP 1.0 AXES 2 COILS on " + board->slavePath() +
                  " answers: each motor stepped one half-step each way.");
}

TEST_F(SetupDialogTest, ItsButtonsOpenTheOtherDialogsOverIt) {
    settings.LRStepSize = 0;
    open();
    child("Command3")->click();
    child("Command4")->click();
    EXPECT_EQ(opened, QStringList({"save options over frmsetup", "repetitions over frmsetup"}));
    // The step size dialog shows full steps and stays open until they are usable.
    whenModalOpens([](QWidget& stepSize) {
        QObject* text1 = stepSize.findChild<QObject*>("Text1");
        QObject* text2 = stepSize.findChild<QObject*>("Text2");
        EXPECT_EQ(text1->property("text").toString() + " " + text2->property("text").toString(),
                  "0.00025 0");
        QTest::keyClick(&stepSize, Qt::Key_Escape);
        EXPECT_TRUE(stepSize.isVisible());
        text1->setProperty("text", "abc");
        stepSize.findChild<QAbstractButton*>("cmdOK")->click();
        text1->setProperty("text", "0.0127");
        text2->setProperty("text", "0.00635");
        stepSize.findChild<QAbstractButton*>("OptMil")->click();
        stepSize.findChild<QAbstractButton*>("cmdOK")->click();
    });
    child("Command1")->click();
    EXPECT_EQ(messages.texts(),
              QStringList({"You must enter a Step size to continue!",
                           "Step size must be a Numerical Value, not included any notation!"}));
    EXPECT_DOUBLE_EQ(settings.StepSize, 0.00025);

    whenModalOpens([](QWidget& knife) {
        knife.findChild<QAbstractButton*>("Option1_1")->click();
        EXPECT_EQ(knife.findChild<QObject*>("Label2")->property("text"),
                  "Current Selection Places Knife on Right!");
        knife.findChild<QAbstractButton*>("cmdOK")->click();
    });
    child("Command2")->click();
    EXPECT_TRUE(settings.KnifeRight && settings.Metric);

    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    QTest::keyClick(child("cmdOK"), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(child<QObject>("tbsOptions")->property("currentIndex"), 1);
}

} // namespace
