#include "autotest/variables/FrmAutoTest.h"
#include "autotest/variables/RepetitionDialog.h"
#include "setup/frmOptions.h"
#include "setup/frmStepSize.h"
#include "setup/frmsetup.h"

#include "support/DefaultSettings.h"
#include "support/RecordingMessageBoxes.h"

#include <QDir>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvane;

namespace {

// Every visible control lies inside its parent, and no wrapped label is cut off.
void expectControlsFit(QWidget& window) {
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow())
            continue;
        const QRect inParent = w->geometry();
        EXPECT_TRUE(w->parentWidget()->rect().contains(inParent))
            << window.objectName().toStdString() << ": " << w->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << window.objectName().toStdString() << ": " << w->objectName().toStdString();
        }
    }
}

// Every page of the window's tab strip (if any) is checked and, when ORVANE_SCREENSHOT_DIR is
// set, saved as a picture for a person to look at.
void checkEveryPage(QWidget& window) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* tabs = window.findChild<QTabWidget*>("tbsOptions");
    const int pages = tabs ? tabs->count() : 1;
    const QString folder = qEnvironmentVariable("ORVANE_SCREENSHOT_DIR");
    for (int page = 0; page < pages; ++page) {
        if (tabs)
            tabs->setCurrentIndex(page);
        expectControlsFit(window);
        if (!folder.isEmpty())
            window.grab().save(QDir(folder).filePath(
                QStringLiteral("%1_%2.png").arg(window.objectName()).arg(page)));
    }
}
} // namespace

TEST(DialogLayout, SetupDialogsShowEveryControl) {
    Settings settings = testkit::firstRunSettings();
    testkit::RecordingMessageBoxes messages;
    const bool waitForIt = false;
    frmsetup setup(settings, waitForIt, messages, {});
    checkEveryPage(setup);
    frmStepSize stepSize(settings, messages);
    checkEveryPage(stepSize);
    frmOptions knife(settings);
    checkEveryPage(knife);
}

TEST(DialogLayout, AutoTestDialogsShowEveryControl) {
    Settings settings = testkit::firstRunSettings();
    FrmAutoTest autoTest(settings);
    checkEveryPage(autoTest);
    Dialog repetition(settings);
    checkEveryPage(repetition);
}
