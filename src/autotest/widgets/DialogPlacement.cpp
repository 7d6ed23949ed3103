#include "autotest/widgets/DialogPlacement.h"

#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QWidget>

namespace orvane {

void centreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
}

void selectNextTabOnCtrlTab(QTabWidget& tabs) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), tabs.window());
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &tabs, [&tabs] {
        if (tabs.count() > 0)
            tabs.setCurrentIndex((tabs.currentIndex() + 1) % tabs.count());
    });
}

} // namespace orvane
