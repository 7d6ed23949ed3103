#include "app/gui/MainWindow.h"
#include "app/gui/PictureBox.h"
#include "app/gui/UiForms.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

template <typename T> T* child(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

TEST(MainWindowControls, ButtonsAndCheckBoxesCarryTheirCaptions) {
    MainWindow w;
    const std::pair<const char*, const char*> buttons[] = {{"cmdpause", "Pause"},
                                                           {"Command1", "Reset"},
                                                           {"Command3", "Do the Magic"},
                                                           {"Command5", "Save Data"}};
    for (const auto& [name, caption] : buttons) {
        if (auto* b = child<QPushButton>(w, name)) {
            EXPECT_EQ(b->text(), caption);
        }
    }
    const std::pair<const char*, const char*> boxes[] = {
        {"Chk_trak", "Track"}, {"abort", "Abort Action"}, {"Save_picture", "Save Pics"}};
    for (const auto& [name, caption] : boxes) {
        if (auto* b = child<QCheckBox>(w, name)) {
            EXPECT_EQ(b->text(), caption);
        }
    }
    EXPECT_EQ(child<QGroupBox>(w, "Frame3")->title(), "Averaging 10 Frames");
    EXPECT_EQ(child<QGroupBox>(w, "Frame2")->title(), "Faster <----------->  Slower");
    EXPECT_EQ(child<QSlider>(w, "Slider1")->parentWidget()->objectName(), "Frame3");
    for (const char* name : {"Mindelay", "Maxdelay", "sldAcell"})
        EXPECT_EQ(child<QSlider>(w, name)->parentWidget()->objectName(), "Frame2") << name;
    EXPECT_NE(child<QStatusBar>(w, "StatusBar"), nullptr);
    EXPECT_EQ(w.statusBar()->objectName(), "StatusBar");
}

TEST(MainWindowControls, SlidersHaveTheirRangesAndStartingValues) {
    MainWindow w;
    struct Range {
        const char* name;
        int min, max, value;
    };
    for (const Range& r :
         {Range{"Maxdelay", 1, 5000, 2000}, Range{"Mindelay", 1, 1000, 136},
          Range{"sldAcell", 1, 10, 4}, Range{"MirX", 1, 320, 160}, Range{"MirY", 1, 240, 120},
          Range{"MirRad", 1, 180, 125}, Range{"Slider1", 1, 30, 10}}) {
        auto* s = child<QSlider>(w, r.name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->minimum(), r.min) << r.name;
        EXPECT_EQ(s->maximum(), r.max) << r.name;
        EXPECT_EQ(s->value(), r.value) << r.name;
    }
}

TEST(MainWindowControls, PicturesAndTextBoxes) {
    MainWindow w;
    auto* picture1 = child<PictureBox>(w, "Picture1");
    EXPECT_EQ(picture1->size(), QSize(320, 240));
    EXPECT_EQ(picture1->image().size(), QSize(320, 240));
    for (const char* name : {"Picture2", "Picture3", "pBlack", "pBlue", "pRed"})
        child<PictureBox>(w, name);
    EXPECT_EQ(child<PictureBox>(w, "pBlue")->background(), QColor(0, 0, 255));
    EXPECT_EQ(child<PictureBox>(w, "pRed")->background(), QColor(255, 0, 0));

    auto* text1 = child<QPlainTextEdit>(w, "Text1");
    EXPECT_EQ(text1->font().family(), "Times New Roman");
    EXPECT_EQ(text1->toPlainText(), "Debug Output Screen\n");
    child<QPlainTextEdit>(w, "Text2");
}

TEST(MainWindowControls, Picture1TakesTheFrameSizeAndTheLayoutFollows) {
    MainWindow w;
    w.resize(1000, 800);
    w.show();
    w.setLayoutFlags(true, false);
    w.ui().Picture1->setImage(QImage(640, 480, QImage::Format_RGB32));
    EXPECT_EQ(w.ui().Picture1->size(), QSize(640, 480));
    EXPECT_EQ(w.ui().MirX->maximum(), 640);
    EXPECT_EQ(w.ui().MirY->maximum(), 480);
    EXPECT_EQ(w.ui().MirRad->maximum(), 320);
    EXPECT_EQ(w.ui().MirX->y(), w.ui().Picture1->y() + 480);
}

struct MenuItem {
    const char* name;
    const char* caption;
    bool checkable;
    const char* shortcut;
};

TEST(MainWindowMenus, TreeHasItsCaptionsShortcutsAndChecks) {
    MainWindow w;
    const std::pair<const char*, QStringList> tree[] = {
        {"mnuFile", {"mnuExit"}},
        {"mnuControl", {"mnuDisplay", "mnuFormat", "mnuSource", "mnuLine1", "mnuSelect"}},
        {"mnuWizard2",
         {"mnuWizard", "MnuAuto", "mnuinvert", "mnuLRswap", "mnuTFswap", "mnuSwapMotors",
          "mnustepsize", "mnuKnife", "MnuFixed"}},
        {"mnuRecent",
         {"mnuEditMirror", "mnuspace", "Mnu_1", "Mnu_2", "Mnu_3", "Mnu_4", "Mnu_5", "Mnu_6",
          "Mnu_7", "Mnu_8", "Mnu_9", "Mnu_10"}},
        {"mnutest", {"mnuReps", "mnuSave"}},
        {"mnuWindow", {"mnuText", "mnuDebug", "MnuMoreText", "MnuBars"}}};
    QStringList topLevel;
    for (const QAction* a : w.menuBar()->actions())
        topLevel << a->menu()->objectName();
    EXPECT_EQ(topLevel, (QStringList{"mnuFile", "mnuControl", "mnuWizard2", "mnuRecent", "mnutest",
                                     "mnuWindow"}));
    for (const auto& [menuName, items] : tree) {
        auto* menu = child<QMenu>(w, menuName);
        ASSERT_NE(menu, nullptr);
        QStringList names;
        for (const QAction* a : menu->actions())
            names << a->objectName();
        EXPECT_EQ(names, items) << menuName;
    }

    const MenuItem items[] = {
        {"mnuExit", "E&xit", false, ""},
        {"mnuDisplay", "&Display", false, ""},
        {"mnuFormat", "&Format", false, "Ctrl+F"},
        {"mnuSource", "S&ource", false, ""},
        {"mnuSelect", "&Select", false, "Ctrl+S"},
        {"mnuWizard", "&Platform and Foucault Setup...", false, ""},
        {"MnuAuto", "&Auto Test Variables...", false, ""},
        {"mnuinvert", "&Invert Output", true, ""},
        {"mnuLRswap", "&Reverse L/R Motor", true, ""},
        {"mnuTFswap", "Reverse &To/From Mirror Motor", true, ""},
        {"mnuSwapMotors", "Swap &Motors", true, ""},
        {"mnustepsize", "&Set Distance per full step ...", false, ""},
        {"mnuKnife", "&Knife Edge Location ...", false, ""},
        {"MnuFixed", "&Fixed Source Light?", true, ""},
        {"mnuEditMirror", "&Add or Edit Mirror Specifications", false, ""},
        {"mnuReps", "&Repetition Options", false, ""},
        {"mnuSave", "&Save Data Options", false, ""},
        {"mnuText", "&Show Floating Text Data Window", false, ""},
        {"mnuDebug", "Toggle &Debug Display", false, ""},
        {"MnuMoreText", "Toggle &More Text", false, ""},
        {"MnuBars", "Toggle &Bar Graphics", false, ""},
    };
    for (const MenuItem& item : items) {
        auto* a = w.findChild<QAction*>(item.name);
        ASSERT_NE(a, nullptr) << item.name;
        EXPECT_EQ(a->text(), item.caption) << item.name;
        EXPECT_EQ(a->isCheckable(), item.checkable) << item.name;
        EXPECT_EQ(a->shortcut(), QKeySequence(QString::fromLatin1(item.shortcut))) << item.name;
        EXPECT_FALSE(a->isSeparator()) << item.name;
    }
    EXPECT_TRUE(w.ui().mnuLine1->isSeparator());
    EXPECT_TRUE(w.ui().mnuspace->isSeparator());
    for (int i = 1; i <= 10; ++i) {
        QAction* slot = w.mirrorListItem(i);
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(slot->text(), "mnu");
        EXPECT_FALSE(slot->isVisible());
    }
}

TEST(MainWindowMenus, TopLevelMenusCarryHelpContextsAndF1ReportsThem) {
    MainWindow w;
    const std::pair<const char*, int> contexts[] = {{"mnuFile", 210},    {"mnuControl", 220},
                                                    {"mnuWizard2", 230}, {"mnuRecent", 240},
                                                    {"mnutest", 250},    {"mnuWindow", 260}};
    for (const auto& [name, context] : contexts)
        EXPECT_EQ(child<QMenu>(w, name)->property("helpContext").toInt(), context) << name;

    QSignalSpy help(&w, &MainWindow::helpRequested);
    QTest::keyClick(w.ui().mnuWizard2, Qt::Key_F1);
    ASSERT_EQ(help.size(), 1);
    EXPECT_EQ(help[0][0].toInt(), 230);
    QTest::keyClick(w.ui().mnuWindow, Qt::Key_A); // other keys stay the menu's own
    EXPECT_EQ(help.size(), 1);
}

TEST(MainWindowLayout, DebugFlagShowsOrHidesTheDebugControls) {
    MainWindow w;
    w.resize(900, 650);
    w.show();
    QWidget* debugOnly[] = {w.ui().Text1, w.ui().Save_picture, w.ui().MirX, w.ui().MirY,
                            w.ui().MirRad};
    w.setLayoutFlags(false, false);
    for (QWidget* c : debugOnly)
        EXPECT_FALSE(c->isVisible()) << c->objectName().toStdString();
    EXPECT_EQ(w.ui().Text2->x(), w.ui().Picture1->x() + 320);
    w.setLayoutFlags(true, false);
    for (QWidget* c : debugOnly)
        EXPECT_TRUE(c->isVisible()) << c->objectName().toStdString();
    EXPECT_EQ(w.ui().Text2->x(), w.ui().MirY->x() + w.ui().MirY->width());
    EXPECT_EQ(w.ui().cmdpause->x(), w.ui().Command1->x() + w.ui().Command1->width());
}

TEST(PictureBox, KeepsWhatWasDrawnWhenItGrowsAndClearsToItsBackground) {
    PictureBox box;
    box.setBackground(Qt::white);
    box.resize(50, 40);
    box.image().setPixel(10, 10, qRgb(255, 0, 0));
    box.resize(120, 90);
    EXPECT_EQ(box.image().size(), QSize(120, 90));
    EXPECT_EQ(box.image().pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(box.image().pixel(100, 80), qRgb(255, 255, 255));
    box.clear();
    EXPECT_EQ(box.image().pixel(10, 10), qRgb(255, 255, 255));
}

} // namespace
