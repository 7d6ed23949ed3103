#pragma once

#include <QString>

namespace orvane {

// Wave-file cues. A missing file plays nothing and no default sound is used.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void playWait(const QString& path) = 0;
    virtual void playAsync(const QString& path) = 0;
};

class SilentSoundPlayer : public SoundPlayer {
  public:
    void playWait(const QString&) override {}
    void playAsync(const QString&) override {}
};

} // namespace orvane
