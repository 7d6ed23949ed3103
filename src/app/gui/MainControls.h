#pragma once

class QCheckBox;
class QGroupBox;
class QPlainTextEdit;
class QPushButton;
class QSlider;

namespace Ui {
class frmMain;
}

namespace orvane {

class PictureBox;

// The main window's controls under the names the code uses. The form keeps the documented
// control names (in the comments); docs/NAMES.md lists both.
struct MainControls {
    PictureBox* liveView = nullptr;          // Picture1
    PictureBox* zoneBars = nullptr;          // Picture2
    PictureBox* speedGauge = nullptr;        // Picture3
    QPlainTextEdit* debugLog = nullptr;      // Text1
    QPlainTextEdit* readingsTable = nullptr; // Text2
    QGroupBox* averagingFrame = nullptr;     // Frame3
    QSlider* averagingSlider = nullptr;      // Slider1
    QGroupBox* speedFrame = nullptr;         // Frame2
    QSlider* fastestDelay = nullptr;         // Mindelay
    QSlider* slowestDelay = nullptr;         // Maxdelay
    QSlider* acceleration = nullptr;         // sldAcell
    QSlider* mirrorX = nullptr;              // MirX
    QSlider* mirrorY = nullptr;              // MirY
    QSlider* mirrorRadius = nullptr;         // MirRad
    QPushButton* resetButton = nullptr;      // Command1
    QPushButton* startTestButton = nullptr;  // Command3
    QPushButton* saveDataButton = nullptr;   // Command5
    QPushButton* pauseButton = nullptr;      // cmdpause
    QCheckBox* trackCheck = nullptr;         // Chk_trak
    QCheckBox* abortCheck = nullptr;         // abort
    QCheckBox* savePicturesCheck = nullptr;  // Save_picture
};

MainControls mainControls(Ui::frmMain& ui);

} // namespace orvane
