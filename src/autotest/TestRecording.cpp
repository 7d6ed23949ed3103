#include "autotest/TestRecording.h"

#include "core/ProgramFolder.h"
#include "core/SafeSave.h"

namespace orvane {

namespace {
constexpr double UnknownRate = 30; // a video of one frame
}

TestRecording::TestRecording(const QString& folder) : folder_(folder) {}

void TestRecording::addFrame(const QImage& picture) {
    if (folder_.isEmpty())
        return;
    if (!video_) // a working name until the test's is known
        video_.emplace(joinPath(folder_, {QStringLiteral("recording.avi")}), picture.size());
    // After a failure the video is lost; the test goes on without it.
    failed_ = failed_ || !video_->addFrame(picture);
}

QStringList TestRecording::finish(const QList<FrameLogRow>& rows, const QString& name) {
    QStringList problems;
    if (folder_.isEmpty())
        return {QStringLiteral("The test was not recorded: no data folder is set.")};
    const double seconds = rows.size() > 1 ? rows.back().seconds - rows.front().seconds : 0;
    const double rate = seconds > 0 ? double(rows.size() - 1) / seconds : UnknownRate;
    const QString base = joinPath(folder_, {name});
    if (video_ && (failed_ || !video_->finish(rate, base + QStringLiteral(".avi"))))
        problems << video_->problem();
    QString problem;
    if (!saveFileSafely(base + QStringLiteral("-frames.csv"), frameLogCsv(rows).toUtf8(), &problem))
        problems << problem;
    return problems;
}

} // namespace orvane
