#pragma once

#include <QObject>

class QWidget;

namespace orvane {

class LatchedKeyState;

// Feeds the jog keys K, J, I and M to the live loop from the key events of the main window,
// whichever of its controls has the focus. Held keys repeat by staying down, so the system's
// auto-repeat is ignored; keys with Ctrl, Alt or Meta belong to shortcuts and menus. When the
// window loses the keyboard, every key counts as let go, since its release will go elsewhere.
class JogKeyFilter : public QObject {
    Q_OBJECT

  public:
    // Watches the whole application; `window` must outlive the filter.
    JogKeyFilter(LatchedKeyState& keys, QWidget& window);
    ~JogKeyFilter() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool inWindow(QObject* watched) const;
    void releaseAll();

    LatchedKeyState& keys_;
    QWidget& window_;
};

} // namespace orvane
