#pragma once

#include "capture/FrameSource.h"

#include <QString>
#include <memory>

namespace orvane {

// The folders GStreamer loads its plug-ins from: those its environment names, and the system's.
QStringList gstreamerPluginFolders();
// Whether GStreamer's playback plug-in (playbin, in gstreamer1.0-plugins-base) is in `folders`.
// Qt's GStreamer backend crashes making a player without it, so it is looked for first.
bool gstreamerCanPlay(const QStringList& folders);

// The driver list's name for a recorded video played as a camera.
inline const QString VideoFileDriverName = QStringLiteral("Video file…");

// A recorded video as a camera: played through Qt Multimedia at its own frame rate, looping,
// each grab taking the next frame that arrives. Driver 0 is the file chosen with open().
class VideoFileSource : public FrameSource {
  public:
    VideoFileSource();
    ~VideoFileSource() override;

    // Loads the file and starts playing it; false (with `error` set) when it cannot be played.
    bool open(const QString& path, QString* error = nullptr);
    QString path() const;

    std::optional<QString> driverName(int index) const override;
    bool connectDriver(int index) override;
    std::optional<DriverCaps> capabilities() const override;
    bool grab(QImage& frame) override;
    void disconnectDriver() override;
    void setPaused(bool paused) override;

  private:
    struct Player;
    std::unique_ptr<Player> player_;
    bool connected_ = false;
};

} // namespace orvane
