#pragma once

#include <QPixmap>

namespace orvane {

// The program's emblem: a mirror under the knife edge, its Foucault shadow on one side.
QPixmap orvaneLogo(int size);

} // namespace orvane
