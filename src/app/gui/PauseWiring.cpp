#include "app/gui/PauseWiring.h"

#include "app/gui/MainWindow.h"
#include "ui_MainWindow.h"

namespace orvane {

PauseWiring::PauseWiring(MainWindow& window, ProgramState& program, EventPump& pump,
                         FrameSource& camera)
    : window_(window), program_(program), pump_(pump), camera_(camera) {
    connect(window.controls().pauseButton, &QPushButton::clicked, this,
            [this] { button_.click(*this, pump_, program_); });
}

bool PauseWiring::command3Enabled() const {
    return window_.controls().startTestButton->isEnabled();
}

bool PauseWiring::chkTrakEnabled() const {
    return window_.controls().trackCheck->isEnabled();
}

void PauseWiring::setCommand3Enabled(bool enabled) {
    window_.controls().startTestButton->setEnabled(enabled);
}

void PauseWiring::setChkTrakEnabled(bool enabled) {
    window_.controls().trackCheck->setEnabled(enabled);
}

QColor PauseWiring::buttonColour() const {
    return window_.controls().pauseButton->palette().color(QPalette::Button);
}

void PauseWiring::setButtonColour(const QColor& colour) {
    QPushButton& button = *window_.controls().pauseButton;
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, colour);
    button.setPalette(palette);
    button.setAutoFillBackground(true);
}

} // namespace orvane
