#pragma once

#include "results/HostProcessLauncher.h"
#include "results/XdotoolKeystrokeSender.h"

#include <QObject>

namespace orvane {

class Clock;
class EventPump;
class Hardware;
class MainWindow;
class MessageBoxes;
struct MainState;
struct Settings;

struct ResultsWiringContext {
    QString programFolder;
    const Settings& settings;
    MainState& state;
    MessageBoxes& messages;
    Clock& clock;
    EventPump& pump;
    MainWindow& window;
    Hardware& hardware;
};

// "Save Data" (Command5, and the end of a completed test): the report and export files of the
// last test, with the outside programs started and driven on this desktop.
class ResultsWiring : public QObject {
    Q_OBJECT

  public:
    explicit ResultsWiring(ResultsWiringContext context);

    void saveData();
    // Command5: says so instead of saving when there is nothing to save.
    void onCommand5();

  private:
    ResultsWiringContext c_;
    HostProcessLauncher launcher_;
    XdotoolKeystrokeSender keys_;
};

} // namespace orvane
