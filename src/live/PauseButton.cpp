#include "live/PauseButton.h"

#include "core/EventPump.h"
#include "core/ProgramState.h"
#include "live/PictureStyle.h"

namespace orvane {

void PauseButton::click(PauseControls& controls, EventPump& pump, ProgramState& program) {
    if (program.paused()) {
        program.resume(); // this click ends the pause the earlier click is holding
        return;
    }
    const bool command3Was = controls.command3Enabled();
    const bool chkTrakWas = controls.chkTrakEnabled();
    if (!savedColour_)
        savedColour_ = controls.buttonColour();

    program.pause();
    controls.setCameraPaused(true);
    controls.setCommand3Enabled(false);
    controls.setChkTrakEnabled(false);
    int rounds = 0;
    bool green = false;
    while (program.paused()) { // closing ends the pause too
        pump.processEvents();
        if (++rounds > BlinkRounds) {
            rounds = 0;
            green = !green;
            controls.setButtonColour(green ? colours::Green : colours::Magenta);
        }
    }
    controls.setCameraPaused(false);
    controls.setButtonColour(*savedColour_);
    controls.setCommand3Enabled(command3Was);
    controls.setChkTrakEnabled(chkTrakWas);
}

} // namespace orvane
