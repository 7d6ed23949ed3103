#pragma once

#include "capture/FrameSource.h"

#include <QString>
#include <memory>

namespace orvane {

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
    void setPaused(bool paused);

    std::optional<QString> driverName(int index) const override;
    bool connectDriver(int index) override;
    std::optional<DriverCaps> capabilities() const override;
    bool grab(QImage& frame) override;
    void disconnectDriver() override;

  private:
    struct Player;
    std::unique_ptr<Player> player_;
    bool connected_ = false;
};

} // namespace orvane
