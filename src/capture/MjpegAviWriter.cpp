#include "capture/MjpegAviWriter.h"

#include <QBuffer>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <limits>

namespace orvane {

namespace {
constexpr quint32 HasIndex = 0x10; // AVIF_HASINDEX
constexpr quint32 KeyFrame = 0x10; // AVIIF_KEYFRAME
constexpr int MainHeaderSize = 56;
constexpr int StreamHeaderSize = 56;
constexpr int BitmapInfoSize = 40;
// RIFF and hdrl lists with their headers, then the movi list's own header.
constexpr int HeadersSize =
    12 + 12 + 8 + MainHeaderSize + 12 + 8 + StreamHeaderSize + 8 + BitmapInfoSize + 12;
constexpr qint64 MaxFileSize = std::numeric_limits<quint32>::max();

// Little-endian words and four-character codes, as RIFF has them.
class Riff {
  public:
    Riff& u32(quint32 value) {
        bytes.append(reinterpret_cast<const char*>(&(value = qToLittleEndian(value))), 4);
        return *this;
    }
    Riff& u16(quint16 value) {
        bytes.append(reinterpret_cast<const char*>(&(value = qToLittleEndian(value))), 2);
        return *this;
    }
    Riff& code(const char (&fourcc)[5]) {
        bytes.append(fourcc, 4);
        return *this;
    }
    QByteArray bytes;
};
} // namespace

MjpegAviWriter::MjpegAviWriter(const QString& path, QSize size, int jpegQuality)
    : file_(path), size_(size), quality_(jpegQuality) {
    file_.append(headers(0)); // filled in by finish()
}

bool MjpegAviWriter::addFrame(const QImage& frame) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    const QImage shown = frame.size() == size_ ? frame : frame.scaled(size_);
    if (!shown.save(&buffer, "JPG", quality_)) {
        problem_ = QStringLiteral("a frame could not be made a JPEG picture.");
        return false;
    }
    const auto size = quint32(jpeg.size());
    if (jpeg.size() % 2)
        jpeg.append('\0'); // chunks keep to even offsets
    if (file_.size() + 8 + jpeg.size() + 16 * (index_.size() + 1) + 8 > MaxFileSize) {
        problem_ = QStringLiteral("the video has grown to 4 GB, the most an AVI file holds.");
        return false;
    }
    const auto offset = quint32(file_.size() - HeadersSize + 4); // as moviSize counts
    Riff chunk;
    chunk.code("00dc").u32(size);
    if (!file_.append(chunk.bytes + jpeg))
        return false;
    index_.append({offset, size});
    largestFrame_ = std::max(largestFrame_, size);
    return true;
}

bool MjpegAviWriter::finish(double framesPerSecond, const QString& finalPath) {
    if (!problem_.isEmpty())
        return false;
    const QByteArray filledIn = headers(framesPerSecond);
    Riff index;
    index.code("idx1").u32(quint32(16 * index_.size()));
    for (const IndexEntry& entry : index_)
        index.code("00dc").u32(KeyFrame).u32(entry.offset).u32(entry.size);
    return file_.append(index.bytes) && file_.overwrite(0, filledIn) && file_.commit(finalPath);
}

QString MjpegAviWriter::problem() const {
    return problem_.isEmpty() ? file_.problem() : problem_;
}

// Sized for the frames written so far, before the index that follows them.
QByteArray MjpegAviWriter::headers(double framesPerSecond) const {
    const auto frames = quint32(index_.size());
    const auto width = quint32(size_.width());
    const auto height = quint32(size_.height());
    // The rate as a fraction: microseconds per second over microseconds per frame.
    const auto microseconds =
        quint32(framesPerSecond > 0 ? std::lround(1e6 / framesPerSecond) : 1'000'000 / 30);
    // The movi list's type ("movi") starts 4 bytes before the first frame; its size counts it.
    const auto moviSize = quint32(std::max<qint64>(file_.size() - HeadersSize, 0) + 4);
    const auto riffSize = quint32(file_.size() + 8 + 16 * frames - 8);
    Riff h;
    h.code("RIFF").u32(riffSize).code("AVI ");
    h.code("LIST").u32(HeadersSize - 12 - 12 - 8).code("hdrl");
    h.code("avih").u32(MainHeaderSize);
    h.u32(microseconds).u32(0).u32(0).u32(HasIndex).u32(frames).u32(0).u32(1);
    h.u32(largestFrame_).u32(width).u32(height).u32(0).u32(0).u32(0).u32(0);
    h.code("LIST").u32(4 + 8 + StreamHeaderSize + 8 + BitmapInfoSize).code("strl");
    h.code("strh").u32(StreamHeaderSize).code("vids").code("MJPG").u32(0).u16(0).u16(0).u32(0);
    h.u32(microseconds).u32(1'000'000).u32(0).u32(frames).u32(largestFrame_).u32(~0u).u32(0);
    h.u16(0).u16(0).u16(quint16(width)).u16(quint16(height));
    h.code("strf").u32(BitmapInfoSize).u32(BitmapInfoSize).u32(width).u32(height).u16(1).u16(24);
    h.code("MJPG").u32(width * height * 3).u32(0).u32(0).u32(0).u32(0);
    h.code("LIST").u32(moviSize).code("movi");
    return h.bytes;
}

} // namespace orvane
