#include "app/gui/WindowPlacement.h"

#include "core/ProgramFolder.h"

#include <QDialog>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QVBoxLayout>
#include <QWidget>

namespace orvane {

namespace {

bool placed(const QObject* watched) {
    const auto* window = qobject_cast<const QWidget*>(watched);
    if (!window || !window->isWindow() || window->objectName().isEmpty())
        return false;
    const Qt::WindowType type = window->windowType();
    return type == Qt::Window || type == Qt::Dialog || type == Qt::Tool;
}

QString keyOf(const QWidget& window) {
    return window.objectName() + QStringLiteral("/geometry");
}

// A main window whose least size is more than the screen scrolls its central widget.
void scrollCentralWidget(QMainWindow& window, QSize room) {
    const QSize least = window.minimumSizeHint();
    if ((least.width() <= room.width() && least.height() <= room.height()) ||
        qobject_cast<QScrollArea*>(window.centralWidget()))
        return;
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("fittedContents"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(window.takeCentralWidget());
    window.setCentralWidget(scroll);
}

// A laid-out dialog taller or wider than the screen gets its contents in a scroll area.
void scrollContents(QWidget& window, QSize room) {
    QLayout* layout = window.layout();
    if (!qobject_cast<QDialog*>(&window) || !layout ||
        window.findChild<QScrollArea*>(QStringLiteral("fittedContents")))
        return;
    const QSize wanted = layout->sizeHint();
    if (wanted.width() <= room.width() && wanted.height() <= room.height())
        return;
    auto* contents = new QWidget;
    contents->setLayout(layout); // takes the layout and its widgets from the dialog
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("fittedContents"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(contents);
    auto* outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    window.setMinimumSize(0, 0);
}

} // namespace

WindowPlacement::WindowPlacement(const QString& programFolder, QObject* parent)
    : QObject(parent), path_(joinPath(programFolder, {fileName()})) {}

void WindowPlacement::fitOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect frame = window.frameGeometry();
    const QSize decoration = frame.size() - window.size();
    const QSize inner = room.size() - decoration;
    if (auto* main = qobject_cast<QMainWindow*>(&window))
        scrollCentralWidget(*main, inner);
    scrollContents(window, inner);
    if (QLayout* layout = window.layout())
        layout->activate(); // the least size follows the scroll area now, not later
    const QSize fitted = window.size().boundedTo(inner).expandedTo(window.minimumSize());
    if (fitted != window.size())
        window.resize(fitted);
    QRect moved(frame.topLeft(), fitted + decoration);
    moved.moveRight(std::min(moved.right(), room.right()));
    moved.moveBottom(std::min(moved.bottom(), room.bottom()));
    moved.moveLeft(std::max(moved.left(), room.left()));
    moved.moveTop(std::max(moved.top(), room.top()));
    if (moved.topLeft() != frame.topLeft())
        window.move(moved.topLeft());
}

void WindowPlacement::restore(QWidget& window) const {
    if (window.property("placementRestored").toBool())
        return;
    window.setProperty("placementRestored", true);
    const QSettings settings(path_, QSettings::IniFormat);
    window.restoreGeometry(settings.value(keyOf(window)).toByteArray());
}

void WindowPlacement::save(const QWidget& window) const {
    QSettings settings(path_, QSettings::IniFormat);
    settings.setValue(keyOf(window), window.saveGeometry());
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    if (placed(watched)) {
        auto& window = static_cast<QWidget&>(*watched);
        if (event->type() == QEvent::Show) {
            restore(window);
            // After the window's own show handling, which may place it (centred, say).
            QMetaObject::invokeMethod(
                &window, [&window] { fitOnScreen(window); }, Qt::QueuedConnection);
        } else if (event->type() == QEvent::Hide && window.property("placementRestored").toBool()) {
            save(window);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace orvane
