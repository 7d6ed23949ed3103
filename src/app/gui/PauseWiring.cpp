#include "app/gui/PauseWiring.h"

#include "app/gui/MainWindow.h"
#include "ui_MainWindow.h"

namespace orvane {

PauseWiring::PauseWiring(MainWindow& window, ProgramState& program, EventPump& pump)
    : window_(window), program_(program), pump_(pump) {
    connect(window.ui().cmdpause, &QPushButton::clicked, this,
            [this] { button_.click(*this, pump_, program_); });
}

bool PauseWiring::command3Enabled() const {
    return window_.ui().Command3->isEnabled();
}

bool PauseWiring::chkTrakEnabled() const {
    return window_.ui().Chk_trak->isEnabled();
}

void PauseWiring::setCommand3Enabled(bool enabled) {
    window_.ui().Command3->setEnabled(enabled);
}

void PauseWiring::setChkTrakEnabled(bool enabled) {
    window_.ui().Chk_trak->setEnabled(enabled);
}

QColor PauseWiring::buttonColour() const {
    return window_.ui().cmdpause->palette().color(QPalette::Button);
}

void PauseWiring::setButtonColour(const QColor& colour) {
    QPushButton& button = *window_.ui().cmdpause;
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, colour);
    button.setPalette(palette);
    button.setAutoFillBackground(true);
}

} // namespace orvane
