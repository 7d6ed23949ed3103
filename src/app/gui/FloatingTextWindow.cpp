#include "app/gui/FloatingTextWindow.h"

#include "app/shell/FloatingTextLayout.h"
#include "ui_FloatingTextWindow.h"

#include <QPlainTextEdit>
#include <QScreen>

namespace orvane {

namespace {

constexpr int RefreshMs = 50;

// Replaces the text only when it changed, so the reader's scroll position survives the ticks.
void copyText(const QPlainTextEdit* from, QPlainTextEdit* to) {
    if (!from)
        return;
    const QString text = from->toPlainText();
    if (to->toPlainText() != text)
        to->setPlainText(text);
}

} // namespace

FloatingTextWindow::FloatingTextWindow(const QPlainTextEdit* debugText,
                                       const QPlainTextEdit* testData, QWidget* owner)
    : QWidget(owner, Qt::Tool), ui_(new Ui::frmText), debugText_(debugText), testData_(testData) {
    ui_->setupUi(this);
    controls_ = {.debugFrame = ui_->Frame1,
                 .debugText = ui_->Text1,
                 .testDataFrame = ui_->Frame2,
                 .testDataText = ui_->Text2};
    setAttribute(Qt::WA_QuitOnClose, false);
    timer_.setObjectName(QStringLiteral("Timer1"));
    timer_.setInterval(RefreshMs);
    connect(&timer_, &QTimer::timeout, this, &FloatingTextWindow::copyTexts);
    timer_.start();
}

FloatingTextWindow::~FloatingTextWindow() = default;

void FloatingTextWindow::copyTexts() {
    copyText(debugText_, controls_.debugText);
    copyText(testData_, controls_.testDataText);
}

void FloatingTextWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    if (const QScreen* s = screen()) {
        const QRect area = s->geometry();
        move(area.left() + (area.width() - width()) / 2,
             area.top() + (area.height() - height()) / 2);
    }
}

void FloatingTextWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const FloatingTextSizes sizes = floatingTextLayout(size(), controls_.testDataFrame->y());
    auto setWidth = [](QWidget* w, const std::optional<int>& v) {
        if (v)
            w->resize(*v, w->height());
    };
    auto setHeight = [](QWidget* w, const std::optional<int>& v) {
        if (v)
            w->resize(w->width(), *v);
    };
    setWidth(controls_.debugFrame, sizes.debugFrameWidth);
    setWidth(controls_.debugText, sizes.debugTextWidth);
    setWidth(controls_.testDataFrame, sizes.testDataFrameWidth);
    setHeight(controls_.testDataFrame, sizes.testDataFrameHeight);
    setWidth(controls_.testDataText, sizes.testDataTextWidth);
    setHeight(controls_.testDataText, sizes.testDataTextHeight);
}

} // namespace orvane
