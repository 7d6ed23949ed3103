#pragma once

#include "capture/CaptureController.h"
#include "capture/widgets/frmSelect.h"

#include <QObject>
#include <QPointer>

namespace orvane {

class Hardware;
class MainWindow;
struct Settings;

// The capture drivers on the main window: the connection at start-up, the "&Video Control"
// menu with the driver's dialogs, and letting go of the driver at shutdown.
class CaptureWiring : public QObject {
    Q_OBJECT

  public:
    CaptureWiring(Hardware& hardware, Settings& settings, ProgramState& program, EventPump& pump,
                  MainWindow& window);

    // Start-up: connects driver VidSource and disables the dialogs it lacks.
    void connectAtStartup();
    void shutdown() { controller_.shutdown(); }

    frmSelect* selectDialog() const { return select_; }

  signals:
    // "Select" in the driver selection dialog; the connected driver may have changed.
    void driverSelected();

  private:
    CaptureWindowHooks hooks();
    void setMenusEnabled(const VideoMenus& enabled);
    void showSelectDialog();

    Hardware& hardware_;
    MainWindow& window_;
    CaptureController controller_;
    QPointer<frmSelect> select_;
};

} // namespace orvane
