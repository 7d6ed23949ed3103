#include "autotest/TestRecording.h"

#include "core/SafeSave.h"

namespace orvane {

namespace {
constexpr double UnknownRate = 30; // a video of one frame
}

TestRecording::TestRecording(const QString& basePath) : basePath_(basePath) {}

void TestRecording::addFrame(const QImage& picture) {
    if (basePath_.isEmpty())
        return;
    if (!video_)
        video_.emplace(basePath_ + QStringLiteral(".avi"), picture.size());
    // After a failure the video is lost; the test goes on without it.
    failed_ = failed_ || !video_->addFrame(picture);
}

QStringList TestRecording::finish(const QList<FrameLogRow>& rows) {
    QStringList problems;
    if (basePath_.isEmpty())
        return {QStringLiteral("The test was not recorded: no data folder is set.")};
    const double seconds = rows.size() > 1 ? rows.back().seconds - rows.front().seconds : 0;
    const double rate = seconds > 0 ? double(rows.size() - 1) / seconds : UnknownRate;
    if (video_ && (failed_ || !video_->finish(rate)))
        problems << video_->problem();
    QString problem;
    if (!saveFileSafely(basePath_ + QStringLiteral("-frames.csv"), frameLogCsv(rows).toUtf8(),
                        &problem))
        problems << problem;
    return problems;
}

} // namespace orvane
