#include "app/gui/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace orvane {

namespace {

bool finished(const QSoundEffect& effect) {
    return effect.status() == QSoundEffect::Error ||
           (effect.status() == QSoundEffect::Ready && !effect.isPlaying());
}

} // namespace

QtSoundPlayer::QtSoundPlayer(int waitLimitMs) : waitLimitMs_(waitLimitMs) {}

QtSoundPlayer::~QtSoundPlayer() = default;

std::unique_ptr<QSoundEffect> QtSoundPlayer::start(const QString& path) {
    if (!QFileInfo(path).isFile() || QMediaDevices::audioOutputs().isEmpty())
        return nullptr;
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(path));
    effect->play();
    return effect;
}

void QtSoundPlayer::playWait(const QString& path) {
    const std::unique_ptr<QSoundEffect> effect = start(path);
    if (!effect)
        return;
    // Events run while the cue plays; the sound system reports its progress through them.
    QEventLoop loop;
    QObject::connect(effect.get(), &QSoundEffect::playingChanged, &loop, [&] {
        if (finished(*effect))
            loop.quit();
    });
    QObject::connect(effect.get(), &QSoundEffect::statusChanged, &loop, [&] {
        if (finished(*effect))
            loop.quit();
    });
    QTimer::singleShot(waitLimitMs_, &loop, &QEventLoop::quit);
    if (effect->status() != QSoundEffect::Error)
        loop.exec();
}

void QtSoundPlayer::playAsync(const QString& path) {
    std::erase_if(playing_, [](const std::unique_ptr<QSoundEffect>& e) { return finished(*e); });
    if (std::unique_ptr<QSoundEffect> effect = start(path))
        playing_.push_back(std::move(effect));
}

} // namespace orvane
