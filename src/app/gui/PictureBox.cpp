#include "app/gui/PictureBox.h"

#include <QPainter>

namespace orvane {

namespace {

// Point sizes in drawn text should look as they do on screen.
constexpr int DotsPerMeterAt96Dpi = 3780;

// Kept at the screen's pixel ratio, so that what is drawn is sharp on a high-density screen;
// painters still work in the box's own pixels.
QImage blankImage(QSize size, qreal devicePixelRatio, const QColor& colour) {
    QImage image(size.expandedTo(QSize(1, 1)) * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    image.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    image.fill(colour);
    return image;
}

} // namespace

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), background_(palette().color(QPalette::Button)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setAutoSize(bool on) {
    autoSize_ = on;
    if (autoSize_ && !image_.isNull())
        resize(image_.deviceIndependentSize().toSize());
}

void PictureBox::setBackground(const QColor& colour) {
    background_ = colour;
    clear();
}

QImage& PictureBox::image() {
    if (!autoSize_)
        fitImageToBox();
    return image_;
}

void PictureBox::setImage(const QImage& image) {
    image_ = image.convertToFormat(QImage::Format_RGB32);
    image_.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    image_.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    const QSize shownSize = image_.deviceIndependentSize().toSize();
    if (autoSize_ && size() != shownSize)
        resize(shownSize);
    update();
}

void PictureBox::clear() {
    image_ =
        blankImage(autoSize_ && !image_.isNull() ? image_.deviceIndependentSize().toSize() : size(),
                   devicePixelRatioF(), background_);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.drawImage(0, 0, image());
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!autoSize_)
        fitImageToBox();
    emit resized();
}

void PictureBox::fitImageToBox() {
    const QSize wanted = size().expandedTo(QSize(1, 1));
    const qreal ratio = devicePixelRatioF();
    if (image_.deviceIndependentSize().toSize() == wanted && image_.devicePixelRatio() == ratio)
        return;
    QImage resized = blankImage(wanted, ratio, background_);
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
    }
    image_ = resized;
}

} // namespace orvane
