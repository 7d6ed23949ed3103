#include "live/InstructionPage.h"

#include "live/PictureStyle.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace orvane {

namespace {

constexpr int SmallestPoints = 6;

// Lays `text` out at `at`, wrapped at word boundaries to `width`, and prints it when a painter
// is given; returns the y below its last line.
qreal flow(QPainter* painter, const QFont& font, const QString& text, QPointF at, qreal width) {
    if (text.isEmpty())
        return at.y() + QFontMetricsF(font).height();
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max<qreal>(1, width));
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    if (painter)
        layout.draw(painter, at);
    return at.y() + height;
}

// Flows the whole page at a title size of `titlePoints` (the body keeps its size difference);
// returns the bottom of the page.
qreal flowPage(QPainter* painter, const InstructionPage& page, int titlePoints, qreal width) {
    const QFont titleFont = pictureFont(titlePoints);
    const QFont bodyFont =
        pictureFont(std::max(SmallestPoints, titlePoints - page.titlePoints + page.bodyPoints));
    qreal y = flow(painter, titleFont, page.title, page.titleAt, width - page.titleAt.x());
    const qreal indent = 8 * QFontMetricsF(bodyFont).horizontalAdvance(QLatin1Char(' '));
    for (const QString& line : page.lines) {
        const bool indented = line.startsWith(QLatin1Char('\t'));
        const qreal x = indented ? indent : 0;
        y = flow(painter, bodyFont, indented ? line.mid(1) : line, QPointF(x, y), width - x);
    }
    return y;
}

} // namespace

void printInstructionPage(QImage& picture, const InstructionPage& page) {
    if (picture.isNull())
        return;
    const qreal width = pictureSize(picture).width();
    int titlePoints = page.titlePoints;
    const int smallestTitle = SmallestPoints + std::max(0, page.titlePoints - page.bodyPoints);
    while (titlePoints > smallestTitle &&
           flowPage(nullptr, page, titlePoints, width) > pictureSize(picture).height())
        --titlePoints;
    QPainter painter(&picture);
    painter.setPen(colours::BoxText);
    flowPage(&painter, page, titlePoints, width);
}

} // namespace orvane
