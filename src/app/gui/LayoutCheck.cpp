#include "app/gui/LayoutCheck.h"

#include "app/gui/MainWindow.h"
#include "app/gui/PictureBox.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace orvane {

namespace {

// Time for a window to be shown and laid out before it is looked at.
constexpr int SettleMs = 700;

// The menu entries that open a window, in menu order.
const char* const DialogActions[] = {"mnuDisplay",      "mnuFormat",   "mnuSource", "mnuSelect",
                                     "mnuWizard",       "MnuAuto",     "mnuKnife",  "mnuEditMirror",
                                     "mnuReps",         "mnuSave",     "mnuText",   "mnuResults",
                                     "mnuHelpContents", "mnuHelpKeys", "mnuAbout"};

QString withoutMnemonics(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return text;
}

int widestLine(const QWidget& widget, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, widget.fontMetrics().horizontalAdvance(line));
    return widest;
}

// How much wider the widget's text is than the room it has; 0 when it fits.
int overflow(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        if (label->wordWrap() || label->text().isEmpty() || Qt::mightBeRichText(label->text()))
            return 0;
        return widestLine(widget, withoutMnemonics(label->text())) - label->contentsRect().width();
    }
    if (qobject_cast<const QCheckBox*>(&widget) || qobject_cast<const QRadioButton*>(&widget))
        return widget.sizeHint().width() - widget.width();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        if (button->text().isEmpty())
            return 0;
        constexpr int Padding = 6;
        return widestLine(widget, withoutMnemonics(button->text())) + Padding - widget.width();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        constexpr int TitleMargins = 12;
        return widestLine(widget, withoutMnemonics(group->title())) + TitleMargins - widget.width();
    }
    return 0;
}

QString describe(const QWidget& widget) {
    return QStringLiteral("%1 (%2)").arg(widget.objectName(), widget.metaObject()->className());
}

} // namespace

LayoutCheck::LayoutCheck(MainWindow& window, QString folder)
    : QObject(&window), window_(window), folder_(std::move(folder)) {}

void LayoutCheck::start(int delayMs) {
    ensureFolder(folder_);
    for (const char* name : DialogActions) {
        // The simulated bench's camera has no driver dialogs: their entries are disabled.
        if (auto* action = window_.findChild<QAction*>(QLatin1String(name));
            action && action->isEnabled())
            pending_ << action;
    }
    QTimer::singleShot(delayMs, this, [this] {
        inspect(window_);
        checkInstructions();
        if (QAction* first = window_.mirrorListItem(1); first && first->isVisible())
            first->trigger();
        QTimer::singleShot(SettleMs, this, [this] {
            inspect(window_);
            next();
        });
    });
}

// The steps printed before a mirror is chosen wrap and shrink to their box; text cut off at its
// right or bottom edge would leave marks in the edge's last pixels.
void LayoutCheck::checkInstructions() {
    const QImage page = window_.controls().zoneBars->image();
    if (page.isNull())
        return;
    const QRgb background = page.pixel(page.width() - 1, page.height() - 1);
    constexpr int EdgePixels = 2;
    bool cut = false;
    for (int y = 0; y < page.height() && !cut; ++y) {
        for (int x = 0; x < page.width() && !cut; ++x) {
            const bool atEdge = x >= page.width() - EdgePixels || y >= page.height() - EdgePixels;
            cut = atEdge && page.pixel(x, y) != background;
        }
    }
    if (cut)
        problems_ << QStringLiteral("The steps to begin a test reach the edge of their box");
}

void LayoutCheck::next() {
    if (pending_.isEmpty()) {
        finish();
        return;
    }
    QAction* action = pending_.takeFirst();
    QWidgetList before = QApplication::topLevelWidgets();
    before.removeIf([](const QWidget* w) { return !w->isVisible(); });
    // A modal dialog runs its own loop inside trigger(); the timer fires in it all the same.
    QTimer::singleShot(SettleMs, this, [this, before, name = action->objectName()] {
        QWidget* opened = QApplication::activeModalWidget();
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!opened && w->isVisible() && !before.contains(w))
                opened = w;
        }
        if (!opened)
            problems_ << name + QStringLiteral(": no window opened");
        else {
            inspect(*opened);
            opened->close();
        }
        QTimer::singleShot(0, this, &LayoutCheck::next);
    });
    action->trigger();
}

void LayoutCheck::inspect(QWidget& window) {
    QString name =
        window.objectName().isEmpty() ? window.metaObject()->className() : window.objectName();
    while (seen_.contains(name))
        name += QLatin1Char('_');
    seen_ << name;
    window.grab().save(joinPath(folder_, {name + QStringLiteral(".png")}));

    const QRect room = window.screen()->availableGeometry();
    if (!room.contains(window.frameGeometry()))
        problems_ << QStringLiteral("%1: the window (%2,%3 %4x%5) reaches past the screen (%6x%7)")
                         .arg(name)
                         .arg(window.frameGeometry().x())
                         .arg(window.frameGeometry().y())
                         .arg(window.frameGeometry().width())
                         .arg(window.frameGeometry().height())
                         .arg(room.width())
                         .arg(room.height());
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window) || widget->window() != &window)
            continue;
        if (const int wider = overflow(*widget); wider > 0)
            problems_ << QStringLiteral("%1: %2 is %3 px too narrow for its text")
                             .arg(name, describe(*widget))
                             .arg(wider);
        const QWidget* parent = widget->parentWidget();
        const bool textWidget = qobject_cast<QLabel*>(widget) ||
                                qobject_cast<QAbstractButton*>(widget) ||
                                qobject_cast<QGroupBox*>(widget);
        if (textWidget && parent && !parent->rect().contains(widget->geometry()))
            problems_
                << QStringLiteral("%1: %2 is cut off by its parent").arg(name, describe(*widget));
    }
}

void LayoutCheck::finish() {
    const QStringList report =
        problems_.isEmpty() ? QStringList{QStringLiteral("Every window fits.")} : problems_;
    writeTextFile(joinPath(folder_, {QStringLiteral("report.txt")}),
                  report.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    QApplication::exit(problems_.isEmpty() ? 0 : 1);
}

} // namespace orvane
