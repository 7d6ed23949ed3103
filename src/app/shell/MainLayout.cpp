#include "app/shell/MainLayout.h"

#include "core/NumberText.h"

#include <algorithm>

namespace orvane {

namespace {

// Spreads the six controls over `height`; Frame3 keeps its top and only counts in the gap.
std::array<QRect, ColumnSize> spreadColumn(std::array<QRect, ColumnSize> column, int height) {
    int sum = 0;
    for (const QRect& r : column)
        sum += r.height();
    const int gap = static_cast<int>(divTrunc(height - sum, 5));
    column[ChkTrak].moveTop(1);
    column[Command3].moveTop(1 + column[ChkTrak].height() + gap);
    for (int i = Abort; i <= Command1; ++i)
        column[i].moveTop(column[i - 1].top() + column[i - 1].height() + gap + 1);

    const int width = column[ChkTrak].width();
    for (int i : {Command3, Abort, Command5, Frame3})
        column[i].setWidth(width);
    column[Command1].setWidth(static_cast<int>(divTrunc(width, 2)));
    return column;
}

// Frame3 is as wide as the column unless its caption needs more.
void widenFrame3(std::array<QRect, ColumnSize>& column, int minWidth) {
    column[Frame3].setWidth(std::max(column[Frame3].width(), minWidth));
}

QRect lowerBox(int left, int width, int top, int innerHeight) {
    return QRect(left, top, width, innerHeight - top);
}

// A window smaller than its contents gives empty boxes, never negative ones.
QRect clampSize(QRect r) {
    r.setWidth(std::max(0, r.width()));
    r.setHeight(std::max(0, r.height()));
    return r;
}

void layOutCompact(const MainLayoutInput& in, MainLayout& out) {
    const QRect& p1 = in.liveView;
    const int textLeft = p1.left() + p1.width();
    out.readingsTable =
        QRect(textLeft, in.debugLog.top(), in.inner.width() - textLeft, p1.height());
    const int p3Left = in.inner.width() - in.picture3Width;
    out.speedGauge = lowerBox(p3Left, in.picture3Width, p1.height(), in.inner.height());
    out.zoneBars = lowerBox(0, p3Left, p1.height(), in.inner.height());
    out.column = spreadColumn(in.column, p1.height());
}

void layOutDebug(const MainLayoutInput& in, MainLayout& out) {
    const QRect& p1 = in.liveView;
    QRect mirX(in.mirX.left(), p1.top() + p1.height(), p1.width(), in.mirX.height());
    QRect mirRad(in.mirRad.left(), mirX.top() + mirX.height(), mirX.width(), in.mirRad.height());
    QRect mirY(p1.left() + p1.width(), in.mirY.top(), in.mirY.width(), p1.height());
    out.mirXMax = p1.width();
    out.mirRadMax = static_cast<int>(divTrunc(*out.mirXMax, 2));
    out.mirYMax = p1.height();

    const int textLeft = mirY.left() + mirY.width();
    const int textWidth = in.inner.width() - textLeft;
    const QRect debugLog(textLeft, in.debugLog.top(), textWidth, in.debugLog.height());
    out.readingsTable = QRect(textLeft, debugLog.top() + debugLog.height(), textWidth,
                              p1.height() + mirX.height() + mirRad.height() - debugLog.height());
    out.savePicture = QRect(QPoint(mirY.left(), mirX.top()), in.savePicture);

    const int lowerTop = mirRad.top() + mirRad.height();
    const int p3Left = in.inner.width() - in.picture3Width;
    out.speedGauge = lowerBox(p3Left, in.picture3Width, lowerTop, in.inner.height());
    out.zoneBars = lowerBox(0, p3Left, lowerTop, in.inner.height());
    out.column = spreadColumn(in.column, p1.height() + mirX.height() + mirRad.height());
    out.debugLog = debugLog;
    out.mirX = mirX;
    out.mirY = mirY;
    out.mirRad = mirRad;
}

void applyMoreText(const MainLayoutInput& in, MainLayout& out) {
    out.readingsTable.setHeight(in.inner.height() - in.debugLog.height());
    out.speedGauge.moveLeft(out.readingsTable.left() - out.speedGauge.width());
    out.zoneBars.setWidth(out.speedGauge.left());
}

} // namespace

MainLayout computeMainLayout(const MainLayoutInput& in) {
    MainLayout out;
    out.debugControlsVisible = in.debugDisplay;
    if (in.debugDisplay)
        layOutDebug(in, out);
    else
        layOutCompact(in, out);
    if (in.moreText)
        applyMoreText(in, out);

    widenFrame3(out.column, in.frame3MinWidth);
    const QRect& command1 = out.column[Command1];
    out.cmdpause = QRect(command1.left() + command1.width(), command1.top(), command1.width(),
                         command1.height());
    out.zoneBars = clampSize(out.zoneBars);
    out.speedGauge = clampSize(out.speedGauge);
    out.readingsTable = clampSize(out.readingsTable);
    if (out.debugLog)
        out.debugLog = clampSize(*out.debugLog);
    out.speedCaption = QPoint(static_cast<int>(divTrunc(out.speedGauge.width(), 2)) - 20, 0);
    return out;
}

} // namespace orvane
