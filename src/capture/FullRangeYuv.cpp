#include "capture/FullRangeYuv.h"

#include <algorithm>
#include <optional>

namespace orvane {

namespace {
// Where a pixel's chroma is: the plane and the step between samples, the rows it is shared by.
struct ChromaLayout {
    int uPlane;
    int vPlane;
    int uOffset; // of U and V within a sample, for the interleaved formats
    int vOffset;
    int step; // bytes from one chroma sample to the next along a row
    int rowShift;
};

std::optional<ChromaLayout> layoutOf(QVideoFrameFormat::PixelFormat format) {
    switch (format) {
    case QVideoFrameFormat::Format_YUV420P:
        return ChromaLayout{1, 2, 0, 0, 1, 1};
    case QVideoFrameFormat::Format_YV12:
        return ChromaLayout{2, 1, 0, 0, 1, 1};
    case QVideoFrameFormat::Format_YUV422P:
        return ChromaLayout{1, 2, 0, 0, 1, 0};
    case QVideoFrameFormat::Format_NV12:
        return ChromaLayout{1, 1, 0, 1, 2, 1};
    case QVideoFrameFormat::Format_NV21:
        return ChromaLayout{1, 1, 1, 0, 2, 1};
    default:
        return std::nullopt;
    }
}

// The colour matrix's red-from-V, green-from-U, green-from-V and blue-from-U factors, times 2^16.
struct Matrix {
    int rv, gu, gv, bu;
};
constexpr Matrix Bt601{91881, 22554, 46802, 116130};
constexpr Matrix Bt709{103206, 12276, 30679, 121609};

int channel(int scaled) {
    return std::clamp((scaled + (1 << 15)) >> 16, 0, 255);
}
} // namespace

QImage imageFromFullRangeYuv(const QVideoFrame& frame) {
    const QVideoFrameFormat format = frame.surfaceFormat();
    const std::optional<ChromaLayout> layout = layoutOf(format.pixelFormat());
    if (format.colorRange() != QVideoFrameFormat::ColorRange_Full || !layout)
        return {};
    QVideoFrame mapped = frame;
    if (!mapped.map(QVideoFrame::ReadOnly))
        return {};
    const Matrix m = format.colorSpace() == QVideoFrameFormat::ColorSpace_BT709 ? Bt709 : Bt601;
    QImage image(mapped.size(), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const uchar* luma = mapped.bits(0) + qsizetype(y) * mapped.bytesPerLine(0);
        const int chromaRow = y >> layout->rowShift;
        const uchar* u = mapped.bits(layout->uPlane) +
                         qsizetype(chromaRow) * mapped.bytesPerLine(layout->uPlane) +
                         layout->uOffset;
        const uchar* v = mapped.bits(layout->vPlane) +
                         qsizetype(chromaRow) * mapped.bytesPerLine(layout->vPlane) +
                         layout->vOffset;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int sample = (x >> 1) * layout->step;
            const int cb = u[sample] - 128;
            const int cr = v[sample] - 128;
            const int yy = luma[x] << 16;
            line[x] = qRgb(channel(yy + m.rv * cr), channel(yy - m.gu * cb - m.gv * cr),
                           channel(yy + m.bu * cb));
        }
    }
    mapped.unmap();
    return image;
}

} // namespace orvane
