#pragma once

#include <QImage>
#include <QVideoFrame>

namespace orvane {

// A planar YUV frame whose levels span 0..255 (as a JPEG's, so every Motion-JPEG camera's and
// video's) as 32-bit RGB. Qt 6.4 converts these as if black were 16 and white 235, stretching
// the grey levels the zones measure; null for frames of other formats or ranges.
QImage imageFromFullRangeYuv(const QVideoFrame& frame);

} // namespace orvane
