#pragma once

#include "core/SafeSave.h"

#include <QImage>
#include <QList>
#include <QSize>

namespace orvane {

// Frames written as a Motion-JPEG AVI file, which GStreamer, FFmpeg and the common players read:
// each frame a JPEG picture, an index of them at the end. The file is made through a temporary
// one beside it and gets its name only when finished, so a run that is killed or fills the disk
// leaves no broken video under that name.
class MjpegAviWriter {
  public:
    // Every frame is shown at `size` (one of another size is scaled to it).
    MjpegAviWriter(const QString& path, QSize size, int jpegQuality = 90);

    bool addFrame(const QImage& frame);
    // Fills in the header, the frame count and the rate, at which the frames are played, and
    // puts the file in place, under `finalPath` when given (in the same folder).
    bool finish(double framesPerSecond, const QString& finalPath = {});
    int frames() const { return int(index_.size()); }
    // Why the video was not made, after addFrame or finish failed.
    QString problem() const;

  private:
    struct IndexEntry {
        quint32 offset; // from the movi list's type
        quint32 size;
    };
    QByteArray headers(double framesPerSecond) const;

    SafeSaveStream file_;
    QSize size_;
    int quality_;
    QList<IndexEntry> index_;
    quint32 largestFrame_ = 0;
    QString problem_;
};

} // namespace orvane
