#pragma once

#include <array>
#include <optional>

namespace orvane {

// The jog keys: K and J move the knife, I and M the platform.
enum class JogKey { K, J, I, M };

class KeyState {
  public:
    virtual ~KeyState() = default;
    // True while the key is down, or once if it went down since the previous query.
    virtual bool wasPressed(JogKey key) = 0;
};

// Key state fed from the window's key events.
class LatchedKeyState : public KeyState {
  public:
    void press(JogKey key);
    void release(JogKey key);
    bool wasPressed(JogKey key) override;

    // The jog key of a Qt key code, if it is one.
    static std::optional<JogKey> fromQtKey(int qtKey);

  private:
    struct Entry {
        bool down = false;
        bool latched = false; // went down since the last query
    };
    std::array<Entry, 4> keys_{};
};

} // namespace orvane
