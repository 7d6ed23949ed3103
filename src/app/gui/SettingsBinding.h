#pragma once

#include <QObject>

namespace orvane {

class MainWindow;
struct RunFlags;
struct Settings;

// Keeps the settings that live in main-window controls (menu check marks and captions, speed
// sliders, the mirror list, "Save Pics", "Abort Action") equal to `Settings` and `RunFlags`:
// control changes are copied at once, and show*() copies the other way.
class SettingsBinding : public QObject {
    Q_OBJECT

  public:
    SettingsBinding(Settings& settings, RunFlags& flags, MainWindow& window);

    // Everything from the settings into the controls, and the window laid out for its flags.
    void showSettings();
    void showMirrorList();
    void showAbort();

  private:
    void connectControls();

    Settings& settings_;
    RunFlags& flags_;
    MainWindow& window_;
};

} // namespace orvane
