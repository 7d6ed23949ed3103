#include "app/gui/JogKeyFilter.h"

#include "live/KeyState.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace orvane {

namespace {
constexpr Qt::KeyboardModifiers ShortcutModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
constexpr JogKey AllKeys[] = {JogKey::K, JogKey::J, JogKey::I, JogKey::M};
} // namespace

JogKeyFilter::JogKeyFilter(LatchedKeyState& keys, QWidget& window) : keys_(keys), window_(window) {
    qApp->installEventFilter(this);
}

JogKeyFilter::~JogKeyFilter() {
    qApp->removeEventFilter(this);
}

bool JogKeyFilter::inWindow(QObject* watched) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget && widget->window() == &window_;
}

void JogKeyFilter::releaseAll() {
    for (JogKey key : AllKeys)
        keys_.release(key);
}

bool JogKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowDeactivate && watched == &window_) {
        releaseAll();
    } else if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && inWindow(watched)) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const std::optional<JogKey> jogKey = LatchedKeyState::fromQtKey(key->key());
        if (jogKey && !key->isAutoRepeat()) {
            if (type == QEvent::KeyRelease)
                keys_.release(*jogKey);
            else if (!(key->modifiers() & ShortcutModifiers))
                keys_.press(*jogKey);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvane
