#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <optional>

namespace orvane {

// The column beside the video frame, top to bottom.
enum ColumnControl { ChkTrak, Command3, Abort, Command5, Command1, Frame3, ColumnSize };

// Geometry the layout starts from: designed positions, and the frame size in `liveView`.
struct MainLayoutInput {
    QSize inner; // client area
    bool debugDisplay = true;
    bool moreText = false;
    QRect liveView;
    QRect debugLog; // designed top and height of the text area
    QRect mirX;     // designed left, height
    QRect mirY;     // designed top, width
    QRect mirRad;   // designed left, height
    QSize savePicture;
    std::array<QRect, ColumnSize> column; // designed lefts and sizes
    int picture3Width = 40;
    int frame3MinWidth = 0; // what Frame3's caption needs in the window's font
};

// Where everything goes. Controls the arrangement hides keep no new geometry, and the mirror
// sliders' maxima change only in the debug arrangement.
struct MainLayout {
    bool debugControlsVisible = false;
    QRect zoneBars;
    QRect speedGauge;
    QRect readingsTable;
    std::optional<QRect> debugLog, mirX, mirY, mirRad, savePicture;
    std::optional<int> mirXMax, mirYMax, mirRadMax;
    std::array<QRect, ColumnSize> column;
    QRect cmdpause;
    QPoint speedCaption; // where "% Spd" is printed in Picture3
};

MainLayout computeMainLayout(const MainLayoutInput& input);

} // namespace orvane
