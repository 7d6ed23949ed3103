#include "app/shell/Instructions.h"

#include "live/InstructionPage.h"

#include <QStringList>

namespace orvane {

InstructionPage startupInstructions() {
    const QChar tab = QLatin1Char('\t');
    return {
        QPointF(20, 0),
        QStringLiteral(
            "  Zone Evaluation OFF.  Please perform the following steps to begin a test:"),
        {
            QString(),
            QStringLiteral("#1  Fully illuminate mirror under test by backing out knife edge."),
            tab + QStringLiteral("Use keyboard keys K and J or handpad Left - Right buttons for "
                                 "knife control."),
            QStringLiteral("#2 Center cross hair and encircle mirror accurately."),
            tab + QStringLiteral("Click mouse near center of mirror for Auto Center-Size."),
            QStringLiteral("#3 Turn on Tracking"),
            QStringLiteral("#4 Select a Mirror Profile for the Mirror Database menu."),
            QStringLiteral("#5 Adjust platform To-From mirror to get somewhat near the null "
                           "for Zone #1."),
            tab + QStringLiteral("Use keyboard keys I and M or handpad Up-Down to control "
                                 "platform distance from mirror."),
            tab + QStringLiteral("Null for Zone #1 is indicated by equal bar graph levels "
                                 "between 20% and 50% of max intensity."),
            QStringLiteral("#6 Click the 'Do The Magic' button to begin Test!"),
        }};
}

} // namespace orvane
