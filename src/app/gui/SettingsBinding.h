#pragma once

#include <QObject>

namespace orvane {

class MainWindow;
class ProgramState;
struct Settings;

// Keeps the settings that live in main-window controls equal to `Settings` and the abort request.
// The controls the user sets directly (speed sliders, "Save Pics", "Abort Action") are copied into
// the settings as they change; the menus (Platform check marks and captions, the mirror list)
// are changed through the settings and only show them: show*() copies them into the controls.
class SettingsBinding : public QObject {
    Q_OBJECT

  public:
    SettingsBinding(Settings& settings, ProgramState& program, MainWindow& window);

    // Everything from the settings into the controls, and the window laid out for its flags.
    void showSettings();
    void showPlatformMenus();
    void showMirrorList();
    void showAbort();

  private:
    void connectControls();

    Settings& settings_;
    ProgramState& program_;
    MainWindow& window_;
};

} // namespace orvane
