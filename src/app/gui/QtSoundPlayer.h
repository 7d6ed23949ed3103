#pragma once

#include "core/SoundPlayer.h"

#include <QObject>
#include <memory>
#include <vector>

class QSoundEffect;

namespace orvane {

// Wave cues through QSoundEffect. A missing file, or a machine without an audio output, plays
// nothing; a blocking cue gives up after `waitLimitMs`.
class QtSoundPlayer : public SoundPlayer {
  public:
    explicit QtSoundPlayer(int waitLimitMs = 10000);
    ~QtSoundPlayer() override;

    void playWait(const QString& path) override;
    void playAsync(const QString& path) override;

  private:
    std::unique_ptr<QSoundEffect> start(const QString& path);

    int waitLimitMs_;
    std::vector<std::unique_ptr<QSoundEffect>> playing_;
};

} // namespace orvane
