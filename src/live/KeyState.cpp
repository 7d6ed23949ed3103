#include "live/KeyState.h"

#include <Qt>

namespace orvane {

void LatchedKeyState::press(JogKey key) {
    Entry& e = keys_[static_cast<int>(key)];
    e.down = true;
    e.latched = true;
}

void LatchedKeyState::release(JogKey key) {
    keys_[static_cast<int>(key)].down = false;
}

bool LatchedKeyState::wasPressed(JogKey key) {
    Entry& e = keys_[static_cast<int>(key)];
    const bool pressed = e.down || e.latched;
    e.latched = false;
    return pressed;
}

std::optional<JogKey> LatchedKeyState::fromQtKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_K:
        return JogKey::K;
    case Qt::Key_J:
        return JogKey::J;
    case Qt::Key_I:
        return JogKey::I;
    case Qt::Key_M:
        return JogKey::M;
    default:
        return std::nullopt;
    }
}

} // namespace orvane
