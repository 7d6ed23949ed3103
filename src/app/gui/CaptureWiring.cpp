#include "app/gui/CaptureWiring.h"

#include "app/gui/Hardware.h"
#include "app/gui/MainWindow.h"
#include "capture/widgets/VideoFormatDialog.h"
#include "capture/widgets/VideoSourceDialog.h"
#include "capture/widgets/frmSelect.h"
#include "core/Settings.h"
#include "ui_MainWindow.h"

namespace orvane {

CaptureWiring::CaptureWiring(Hardware& hardware, Settings& settings, ProgramState& program,
                             EventPump& pump, MainWindow& window)
    : hardware_(hardware), window_(window),
      controller_(hardware.drivers(), program, settings.VidSource, pump, hooks()) {
    Ui::frmMain& ui = window.ui();
    connect(ui.mnuDisplay, &QAction::triggered, this, [this] { controller_.onDisplay(); });
    connect(ui.mnuFormat, &QAction::triggered, this, [this] { controller_.onFormat(); });
    connect(ui.mnuSource, &QAction::triggered, this, [this] { controller_.onSource(); });
    connect(ui.mnuSelect, &QAction::triggered, this, [this] { controller_.onSelect(); });
}

CaptureWindowHooks CaptureWiring::hooks() {
    CaptureWindowHooks h;
    h.setMenusEnabled = [this](const VideoMenus& enabled) { setMenusEnabled(enabled); };
    h.showFormatDialog = [this] { VideoFormatDialog(hardware_.cameras(), &window_).exec(); };
    h.showSourceDialog = [this] {
        VideoSourceDialog(hardware_.cameras(), &window_, [this](CameraControlId id, double value) {
            hardware_.rememberCameraControl(id, value);
        }).exec();
    };
    // No driver here has a display dialog of its own; the menu item stays disabled.
    h.showSelectDialog = [this] { showSelectDialog(); };
    return h;
}

void CaptureWiring::connectAtStartup() {
    const StartupConnection result = controller_.connectAtStartup();
    hardware_.restoreCameraControls();
    Ui::frmMain& ui = window_.ui();
    if (result.toDisable.mnuSource)
        ui.mnuSource->setEnabled(false);
    if (result.toDisable.mnuFormat)
        ui.mnuFormat->setEnabled(false);
    if (result.toDisable.mnuDisplay)
        ui.mnuDisplay->setEnabled(false);
}

void CaptureWiring::setMenusEnabled(const VideoMenus& enabled) {
    Ui::frmMain& ui = window_.ui();
    ui.mnuSource->setEnabled(enabled.mnuSource);
    ui.mnuFormat->setEnabled(enabled.mnuFormat);
    ui.mnuDisplay->setEnabled(enabled.mnuDisplay);
}

void CaptureWiring::showSelectDialog() {
    if (!select_) {
        select_ = new frmSelect(hardware_.drivers(), controller_, &window_, &hardware_.videoFile());
        select_->setAttribute(Qt::WA_DeleteOnClose);
        connect(select_, &QDialog::accepted, this, [this] { hardware_.restoreCameraControls(); });
        connect(select_, &QDialog::accepted, this, &CaptureWiring::driverSelected);
    }
    select_->show();
    select_->raise();
}

} // namespace orvane
