#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>

class QImage;

namespace orvane {

// Instructions printed into a picture box: a title, then lines from the left edge (a leading tab
// indents one). A line too long for the picture wraps under its own indent, and both fonts shrink
// until the page fits the picture's height, so no step is cut off whatever the font.
struct InstructionPage {
    QPointF titleAt;
    QString title;
    QStringList lines;
    int titlePoints = 16;
    int bodyPoints = 12;
};

// Prints on top of what the picture shows (it does not clear it).
void printInstructionPage(QImage& picture, const InstructionPage& page);

} // namespace orvane
