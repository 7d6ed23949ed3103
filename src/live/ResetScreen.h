#pragma once

#include <QString>

class QImage;

namespace orvane {

class JogDrive;
class ProgramState;

inline const QString ResetTitle =
    QStringLiteral("Zone Evaluation Off, Please Perform the Following steps to Begin a Test:");

// The operator's steps printed under the title.
QString resetInstructionText();

// Clears Picture2 and prints the title and the steps.
void drawResetInstructions(QImage& zoneBars);

// Command1 ("Reset"): the instructions replace the bars, zone evaluation stops, Text2 empties
// and both position counters go to 0. The caller disables Command5 ("Save Data").
void resetZoneEvaluation(QImage& zoneBars, ProgramState& program, QString& readingsTable,
                         JogDrive& drive);

} // namespace orvane
