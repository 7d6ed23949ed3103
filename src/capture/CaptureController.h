#pragma once

#include "capture/FrameSource.h"
#include "core/EventPump.h"
#include "core/ProgramState.h"

#include <functional>

namespace orvane {

// One flag per driver-dialog item of the "&Video Control" menu.
struct VideoMenus {
    bool mnuSource = false;
    bool mnuFormat = false;
    bool mnuDisplay = false;

    bool operator==(const VideoMenus&) const = default;
};

// How the controller reaches the main window's menus and the driver dialogs.
struct CaptureWindowHooks {
    std::function<void(const VideoMenus& enabled)> setMenusEnabled;
    std::function<void()> showFormatDialog;  // returns when the dialog has closed
    std::function<void()> showSourceDialog;  // returns when the dialog has closed
    std::function<void()> showDisplayDialog; // returns when the dialog has closed
    std::function<void()> showSelectDialog;  // modeless; the dialog ends the selection
};

struct StartupConnection {
    QString driverName; // empty when VidSource names no driver
    bool connected = false;
    VideoMenus toDisable; // start-up only ever disables
};

// The driver connection as the main window runs it: start-up, frame grabs, the "&Video
// Control" handlers and the selection dialog's answers. A driver dialog holds the camera, so
// the live loop does not grab meanwhile.
class CaptureController {
  public:
    CaptureController(FrameSource& drivers, ProgramState& state, int& VidSource, EventPump& pump,
                      CaptureWindowHooks hooks);

    // Start-up: names and connects driver VidSource; when connected, the menu items of the
    // dialogs the driver lacks are to be disabled. A failed connection is not reported.
    StartupConnection connectAtStartup();

    // The next frame into Picture1; a failed grab leaves Picture1 as it was.
    bool grabInto(QImage& Picture1);

    void onDisplay();
    void onFormat();
    void onSource();
    void onSelect();

    // frmSelect's "Select" with the chosen list position (-1: nothing chosen). Only a
    // successful connection changes VidSource and sets the three menu items exactly as the
    // driver's dialogs exist; the live loop may run again afterwards in every case.
    bool selectDriver(int index);
    // frmSelect's "Cancel" (or its close box).
    void cancelSelection();

    // No callbacks are registered anywhere, so letting go of the driver is all there is.
    void shutdown();

  private:
    static VideoMenus menusWithDialogs(const DriverCaps& caps);
    void runBlockingDialog(const std::function<void()>& show);

    FrameSource& drivers_;
    ProgramState& state_;
    int& VidSource_;
    EventPump& pump_;
    CaptureWindowHooks hooks_;
};

} // namespace orvane
