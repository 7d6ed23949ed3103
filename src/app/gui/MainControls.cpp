#include "app/gui/MainControls.h"

#include "ui_MainWindow.h"

namespace orvane {

MainControls mainControls(Ui::frmMain& ui) {
    return {.liveView = ui.Picture1,
            .zoneBars = ui.Picture2,
            .speedGauge = ui.Picture3,
            .debugLog = ui.Text1,
            .readingsTable = ui.Text2,
            .averagingFrame = ui.Frame3,
            .averagingSlider = ui.Slider1,
            .speedFrame = ui.Frame2,
            .fastestDelay = ui.Mindelay,
            .slowestDelay = ui.Maxdelay,
            .acceleration = ui.sldAcell,
            .mirrorX = ui.MirX,
            .mirrorY = ui.MirY,
            .mirrorRadius = ui.MirRad,
            .resetButton = ui.Command1,
            .startTestButton = ui.Command3,
            .saveDataButton = ui.Command5,
            .pauseButton = ui.cmdpause,
            .trackCheck = ui.Chk_trak,
            .abortCheck = ui.abort,
            .savePicturesCheck = ui.Save_picture};
}

} // namespace orvane
