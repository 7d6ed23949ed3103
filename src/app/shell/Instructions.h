#pragma once

#include <QPoint>
#include <QString>

class QImage;

namespace orvane {

// Text printed into Picture2: a heading line in 16 points, then a body in 12 points whose
// lines start at the left edge (a leading tab indents).
struct InstructionText {
    QPoint headingAt;
    QString heading;
    QString body;
};

// The operator's first instructions, printed at the end of start-up.
InstructionText startupInstructions();

// Prints on top of what the image shows (it does not clear it).
void printInstructions(QImage& image, const InstructionText& text);

} // namespace orvane
