#include "analysis/PauseButton.h"

#include "analysis/PictureStyle.h"
#include "core/EventPump.h"
#include "core/ProgramState.h"

namespace orvane {

void PauseButton::click(PauseControls& controls, EventPump& pump, const ProgramState& program) {
    const bool command3Was = controls.command3Enabled();
    const bool chkTrakWas = controls.chkTrakEnabled();
    if (!savedColour_)
        savedColour_ = controls.buttonColour();

    pauseFlag_ = !pauseFlag_;
    if (!pauseFlag_)
        return; // this click ends the pause the earlier click is holding

    controls.setCommand3Enabled(false);
    controls.setChkTrakEnabled(false);
    int rounds = 0;
    bool green = false;
    while (pauseFlag_) {
        if (program.closing())
            pauseFlag_ = false;
        pump.processEvents();
        if (++rounds > BlinkRounds) {
            rounds = 0;
            green = !green;
            controls.setButtonColour(green ? colours::Green : colours::Magenta);
        }
    }
    controls.setButtonColour(*savedColour_);
    controls.setCommand3Enabled(command3Was);
    controls.setChkTrakEnabled(chkTrakWas);
}

} // namespace orvane
