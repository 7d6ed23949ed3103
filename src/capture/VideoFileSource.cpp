#include "capture/VideoFileSource.h"

#include "capture/EventWait.h"
#include "capture/VideoSinkGrabber.h"
#include "core/LogCategories.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QMediaPlayer>
#include <QUrl>
#include <algorithm>

namespace orvane {

namespace {
constexpr int LoadTimeoutMs = 5000;

bool ffmpegBackendChosen() {
    return qEnvironmentVariable("QT_MEDIA_BACKEND") == QLatin1String("ffmpeg");
}
} // namespace

QStringList gstreamerPluginFolders() {
    QStringList folders;
    for (const char* name : {"GST_PLUGIN_PATH_1_0", "GST_PLUGIN_PATH", "GST_PLUGIN_SYSTEM_PATH_1_0",
                             "GST_PLUGIN_SYSTEM_PATH"})
        folders += qEnvironmentVariable(name).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    // Debian keeps them beside Qt's own libraries: /usr/lib/<architecture>/gstreamer-1.0.
    folders << QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/gstreamer-1.0");
    return folders;
}

bool gstreamerCanPlay(const QStringList& folders) {
    return std::any_of(folders.begin(), folders.end(), [](const QString& folder) {
        return QFileInfo::exists(folder + QStringLiteral("/libgstplayback.so"));
    });
}

// Member order matters: the player goes first, while the sink it feeds still exists.
struct VideoFileSource::Player {
    VideoSinkGrabber grabber;
    QMediaPlayer player;
    QString path;
};

VideoFileSource::VideoFileSource() = default;
VideoFileSource::~VideoFileSource() = default;

bool VideoFileSource::open(const QString& path, QString* error) {
    auto fail = [&](const QString& why) {
        const QString message =
            QStringLiteral("The video \"%1\" cannot be played: %2").arg(path, why);
        qCDebug(lcCapture).noquote() << message;
        if (error)
            *error = message;
        player_.reset();
        return false;
    };
    if (!ffmpegBackendChosen() && !gstreamerCanPlay(gstreamerPluginFolders()))
        return fail(QStringLiteral("GStreamer's playback plug-in is not installed "
                                   "(gstreamer1.0-plugins-base)."));
    player_ = std::make_unique<Player>();
    player_->path = path;
    QMediaPlayer& player = player_->player;
    player.setVideoSink(player_->grabber.sink());
    player.setLoops(QMediaPlayer::Infinite);
    // Not every backend honours the loop count: the end of the video starts it again too.
    QObject::connect(&player, &QMediaPlayer::mediaStatusChanged, &player,
                     [&player](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::EndOfMedia) {
                             player.setPosition(0);
                             player.play();
                         }
                     });
    player.setSource(QUrl::fromLocalFile(path));
    if (player.mediaStatus() == QMediaPlayer::LoadingMedia) {
        EventWait wait(LoadTimeoutMs);
        wait.quitOn(&player, &QMediaPlayer::mediaStatusChanged);
        wait.exec();
    }
    if (player.error() != QMediaPlayer::NoError)
        return fail(player.errorString());
    if (!player.hasVideo())
        return fail(QStringLiteral("it holds no video the installed decoders can read."));
    player.play();
    return true;
}

QString VideoFileSource::path() const {
    return player_ ? player_->path : QString();
}

void VideoFileSource::setPaused(bool paused) {
    if (!player_)
        return;
    if (paused)
        player_->player.pause();
    else
        player_->player.play();
}

std::optional<QString> VideoFileSource::driverName(int index) const {
    if (index != 0)
        return std::nullopt;
    return VideoFileDriverName;
}

bool VideoFileSource::connectDriver(int index) {
    connected_ = index == 0 && player_;
    return connected_;
}

std::optional<DriverCaps> VideoFileSource::capabilities() const {
    if (!connected_)
        return std::nullopt;
    return DriverCaps{};
}

bool VideoFileSource::grab(QImage& frame) {
    if (!connected_)
        return false;
    // While paused no new frame comes: the one on show is the frame.
    if (player_->player.playbackState() == QMediaPlayer::PausedState) {
        const QImage shown = imageFromVideoFrame(player_->grabber.sink()->videoFrame());
        if (shown.isNull())
            return false;
        frame = shown;
        return true;
    }
    return player_->grabber.grabNext(frame);
}

void VideoFileSource::disconnectDriver() {
    connected_ = false;
}

} // namespace orvane
