#include "live/ResetScreen.h"

#include "core/ProgramState.h"
#include "live/InstructionPage.h"
#include "live/JogDrive.h"
#include "live/PictureStyle.h"

#include <QStringList>

namespace orvane {

QString resetInstructionText() {
    const QString crlf = QStringLiteral("\r\n");
    const QString tab = QStringLiteral("\t");
    return crlf + "#1 Fully Illuminate mirror under test by backing out Knife Edge" + crlf + tab +
           "Use Keybord keys K and J or Handpad Left - Right buttons for Knife control" + crlf +
           "#2 Center Cross hair and Encircle mirror accuratly" + crlf + tab +
           "Click mouse near center of Mirror for Auto Center-Size **experimental!" + crlf +
           "#3 Turn on Tracking" + crlf +
           "#4 Select A Mirror Profile from the Mirror Database Menu" + crlf +
           "#5 Adjust platform To-From mirror to get some what near the null for zone #1" + crlf +
           tab +
           "Use Keyboard Keys I and M or Handpad Up - Down to control platform distance from "
           "Mirror" +
           crlf + tab +
           "Null for zone #1 is indicated by Equal bar graphs levels between 20 to 50% Max "
           "intensity" +
           crlf + "#6 Click the 'Do The Magic' Button to begin Test!";
}

void drawResetInstructions(QImage& zoneBars) {
    if (zoneBars.isNull())
        return;
    clearPicture(zoneBars);
    // Printing goes on at the left edge below the title, one line per line break.
    printInstructionPage(zoneBars, {QPointF(20, 1), ResetTitle,
                                    resetInstructionText().split(QStringLiteral("\r\n"))});
}

void resetZoneEvaluation(QImage& zoneBars, ProgramState& program, QString& readingsTable,
                         JogDrive& drive) {
    drawResetInstructions(zoneBars);
    program.setZonesReady(false);
    readingsTable.clear();
    drive.zeroPositions();
}

} // namespace orvane
