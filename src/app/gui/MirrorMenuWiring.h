#pragma once

#include "results/widgets/QtFileChooser.h"

#include <QObject>
#include <functional>

namespace orvane {

class DisplaySync;
class MainWindow;
class MessageBoxes;
class SettingsBinding;
struct MainState;
class ProgramState;
struct Settings;

struct MirrorWiringContext {
    QString programFolder;
    Settings& settings;
    MainState& state;
    ProgramState& program;
    MessageBoxes& messages;
    MainWindow& window;
    SettingsBinding& binding;
    DisplaySync& display;
    std::function<void()> saveSettings; // SaveSettings
};

// The "&Mirror Database" menu: the mirror editor and the list of recent mirrors. Both make a
// mirror current, rebuild its zone table (Zone_Calc) and switch zone evaluation on.
class MirrorMenuWiring : public QObject {
    Q_OBJECT

  public:
    explicit MirrorMenuWiring(MirrorWiringContext context);

  private:
    // Zone_Calc: the zone table and Text2 for the current mirror; Save Data becomes possible.
    void zoneCalc();
    // A click on entry `entry` (1..10) of the list.
    void selectEntry(int entry);
    void openEditor();

    MirrorWiringContext c_;
    QtFileChooser chooser_;
};

} // namespace orvane
