#pragma once

#include "autotest/TestOptions.h"
#include "autotest/widgets/FrmAutoTest.h"
#include "results/widgets/QtFileChooser.h"
#include "setup/PlatformMenuToggles.h"
#include "setup/widgets/frmsetup.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace orvane {

class MainWindow;
class MessageBoxes;
class SettingsBinding;
struct Settings;

struct SetupWiringContext {
    QString programFolder;
    Settings& settings;
    const bool& waitForIt; // the first-run chain of setup dialogs is under way
    MessageBoxes& messages;
    MainWindow& window;
    SettingsBinding& binding;
    std::function<void()> saveSettings; // SaveSettings
    TestOptions& testOptions;           // saved beside the settings when a dialog stores them
};

// The "&Platform Settings" and "&Test Options" menus: the setup and auto-test dialogs (also
// opened by a failed settings load), the check-mark toggles, the knife side, the repetition and
// save data options.
class SetupMenuWiring : public QObject {
    Q_OBJECT

  public:
    explicit SetupMenuWiring(SetupWiringContext context);

    // Modeless; an open one is brought to the front instead of opening a second.
    void openSetupDialog();
    void openAutoTestDialog();

    frmsetup* setupDialog() const { return setup_; }
    FrmAutoTest* autoTestDialog() const { return autoTest_; }

  private:
    void connectMenus();
    void toggle(PlatformMenuItem item);
    void openSaveOptions(QWidget* parent);
    void openSaveOptionsModeless();
    void openRepetitionOptions(QWidget* parent);
    void saveTestOptions();

    SetupWiringContext c_;
    QtFileChooser chooser_;
    QPointer<frmsetup> setup_;
    QPointer<FrmAutoTest> autoTest_;
};

} // namespace orvane
