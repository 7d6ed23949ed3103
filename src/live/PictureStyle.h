#pragma once

#include "capture/FrameSource.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

class QPainter;

namespace orvane {

// Colours of the overlay, the bars and the speed gauge.
namespace colours {
inline const QColor Magenta{255, 0, 255};
inline const QColor Cyan{0, 255, 255};
inline const QColor White{255, 255, 255};
inline const QColor Green{0, 255, 0};
inline const QColor Yellow{255, 255, 0};
inline const QColor Red{255, 0, 0};
inline const QColor Blue{0, 0, 255};
// Picture boxes are cleared to the window's face colour and print in black on it; the video
// picture prints in yellow, which reads on a dark and on a lit mirror alike.
inline const QColor BoxBackground{240, 240, 240};
inline const QColor BoxText{0, 0, 0};
inline const QColor VideoText = Yellow;
} // namespace colours

// The picture boxes' font at `points` (8 is their normal size) on a 96 dpi screen.
QFont pictureFont(int points, bool bold = false);

// Prints `text` with its top-left corner at `topLeft`, as a picture box prints at CurrentX/Y.
void printAt(QPainter& painter, QPointF topLeft, const QString& text);

// The height of one printed line in the painter's current font.
int printLineHeight(const QPainter& painter);

// An image painters can draw on, keeping the pixels of `frame` (indexed or mono frames are
// converted); a null frame gives a black picture of the standard size. Above a pixel ratio of 1
// the copy is enlarged to the screen's pixels, so what is drawn on it stays sharp there, while
// painters still work in the frame's own pixels.
QImage paintableCopy(const QImage& frame, qreal devicePixelRatio = 1);

// The size a painter on `picture` works in, whatever the pixel ratio it is kept at.
QSize pictureSize(const QImage& picture);

// A picture box cleared to its background, its size and pixel ratio kept.
void clearPicture(QImage& picture);

} // namespace orvane
