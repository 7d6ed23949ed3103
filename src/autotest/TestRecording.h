#pragma once

#include "autotest/FrameLog.h"
#include "capture/MjpegAviWriter.h"

#include <QImage>
#include <QStringList>
#include <optional>

namespace orvane {

// A test kept for review frame by frame: the picture of every measured frame as shown, in a
// video, and the frame log beside it, both in `folder` (none: nothing can be kept). They get
// their name, the report's, once the test is over.
class TestRecording {
  public:
    explicit TestRecording(const QString& folder);

    void addFrame(const QImage& picture);
    // Puts the video in place as <name>.avi, played at the frames' own mean rate, and saves the
    // log as <name>-frames.csv; what went wrong, if anything, one line a file.
    QStringList finish(const QList<FrameLogRow>& rows, const QString& name);

  private:
    QString folder_;
    std::optional<MjpegAviWriter> video_; // sized by the first frame
    bool failed_ = false;
};

} // namespace orvane
