#pragma once

#include "autotest/FrameLog.h"
#include "capture/MjpegAviWriter.h"

#include <QImage>
#include <QStringList>
#include <optional>

namespace orvane {

// A test kept for review frame by frame: the picture of every measured frame as shown, in a
// video, and the frame log beside it. `basePath` without its extension: the video is
// basePath.avi, the log basePath-frames.csv.
class TestRecording {
  public:
    explicit TestRecording(const QString& basePath);

    void addFrame(const QImage& picture);
    // Puts the video in place, played at the frames' own mean rate, and saves the log; what
    // went wrong, if anything, one line a file.
    QStringList finish(const QList<FrameLogRow>& rows);

  private:
    QString basePath_;
    std::optional<MjpegAviWriter> video_; // sized by the first frame
    bool failed_ = false;
};

} // namespace orvane
