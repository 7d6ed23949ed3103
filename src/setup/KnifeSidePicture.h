#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace orvane {

// Colours of the two parts the picture is about, so a viewer (and a test) can find them.
inline const QColor KnifeColour = QColor(70, 70, 80);
inline const QColor LightSourceColour = QColor(255, 200, 0);

// The tester seen from behind, looking towards the mirror: the light source and the knife edge
// that cuts the returning cone on its left or right.
QImage knifeSidePicture(bool knifeRight, QSize size);

// What the knife-side dialog says about the current choice.
QString knifeSelectionText(bool knifeRight);

} // namespace orvane
