#include "app/shell/MainLayout.h"

#include <gtest/gtest.h>

using namespace orvane;

namespace {

MainLayoutInput designedInput(bool debug, bool moreText = false) {
    MainLayoutInput in;
    in.inner = QSize(792, 554);
    in.debugDisplay = debug;
    in.moreText = moreText;
    in.picture1 = QRect(294, 0, 320, 240);
    in.text1 = QRect(700, 0, 90, 100);
    in.mirX = QRect(294, 300, 100, 24);
    in.mirY = QRect(650, 0, 22, 100);
    in.mirRad = QRect(294, 330, 100, 26);
    in.savePicture = QSize(80, 20);
    in.column[ChkTrak] = QRect(4, 50, 120, 21);
    in.column[Command3] = QRect(4, 80, 60, 33);
    in.column[Abort] = QRect(4, 120, 60, 21);
    in.column[Command5] = QRect(4, 150, 60, 33);
    in.column[Command1] = QRect(4, 190, 60, 33);
    in.column[Frame3] = QRect(128, 1, 60, 50);
    return in;
}

TEST(MainLayout, DebugArrangementWithA320By240FrameSetsTheSliderMaxima) {
    const MainLayout out = computeMainLayout(designedInput(true));
    ASSERT_TRUE(out.debugControlsVisible);
    EXPECT_EQ(out.mirXMax, 320);
    EXPECT_EQ(out.mirYMax, 240);
    EXPECT_EQ(out.mirRadMax, 160);

    EXPECT_EQ(*out.mirX, QRect(294, 240, 320, 24));
    EXPECT_EQ(*out.mirRad, QRect(294, 264, 320, 26));
    EXPECT_EQ(*out.mirY, QRect(614, 0, 22, 240));
    EXPECT_EQ(*out.text1, QRect(636, 0, 156, 100));
    // The two text boxes together reach the bottom of the sliders.
    EXPECT_EQ(out.text2, QRect(636, 100, 156, 240 + 24 + 26 - 100));
    EXPECT_EQ(out.text2.top() + out.text2.height(), out.mirRad->top() + out.mirRad->height());
    EXPECT_EQ(*out.savePicture, QRect(614, 240, 80, 20));
    EXPECT_EQ(out.picture3, QRect(752, 290, 40, 554 - 290));
    EXPECT_EQ(out.picture2, QRect(0, 290, 752, 554 - 290));
    EXPECT_EQ(out.speedCaption, QPoint(0, 0));
}

TEST(MainLayout, CompactArrangementHidesTheDebugControlsAndKeepsTheirMaxima) {
    const MainLayout out = computeMainLayout(designedInput(false));
    EXPECT_FALSE(out.debugControlsVisible);
    EXPECT_FALSE(out.text1 || out.mirX || out.mirY || out.mirRad || out.savePicture);
    EXPECT_FALSE(out.mirXMax || out.mirYMax || out.mirRadMax);
    EXPECT_EQ(out.text2, QRect(614, 0, 792 - 614, 240));
    EXPECT_EQ(out.picture3, QRect(752, 240, 40, 554 - 240));
    EXPECT_EQ(out.picture2, QRect(0, 240, 752, 554 - 240));
}

TEST(MainLayout, ColumnIsSpreadOverTheFrameHeight) {
    // Heights 21 + 33 + 21 + 33 + 33 + 50 = 191; (240 - 191) \ 5 = 9.
    const MainLayout out = computeMainLayout(designedInput(false));
    EXPECT_EQ(out.column[ChkTrak], QRect(4, 1, 120, 21));
    EXPECT_EQ(out.column[Command3], QRect(4, 1 + 21 + 9, 120, 33));
    EXPECT_EQ(out.column[Abort].top(), 31 + 33 + 9 + 1);
    EXPECT_EQ(out.column[Command5].top(), 74 + 21 + 9 + 1);
    EXPECT_EQ(out.column[Command1], QRect(4, 105 + 33 + 9 + 1, 60, 33));
    EXPECT_EQ(out.column[Abort].width(), 120);
    EXPECT_EQ(out.column[Command5].width(), 120);
    // Frame3 keeps its designed place and takes the column's width.
    EXPECT_EQ(out.column[Frame3], QRect(128, 1, 120, 50));
    // Pause sits on Reset's row, just right of it.
    EXPECT_EQ(out.cmdpause, QRect(64, 148, 60, 33));
}

TEST(MainLayout, TallerFrameSpreadsTheColumnFurther) {
    MainLayoutInput in = designedInput(false);
    in.picture1.setSize(QSize(640, 480));
    const MainLayout out = computeMainLayout(in);
    const int gap = (480 - 191) / 5; // 57
    EXPECT_EQ(out.column[Command3].top(), 1 + 21 + gap);
    EXPECT_EQ(out.column[Command1].top(),
              1 + 21 + gap + 33 + gap + 1 + 21 + gap + 1 + 33 + gap + 1);
    EXPECT_EQ(out.text2.height(), 480);
    EXPECT_EQ(out.picture2.top(), 480);

    // In the debug arrangement the sliders' heights join the spread.
    in.debugDisplay = true;
    const MainLayout debug = computeMainLayout(in);
    const int debugGap = (480 + 24 + 26 - 191) / 5;
    EXPECT_EQ(debug.column[Command3].top(), 1 + 21 + debugGap);
    EXPECT_EQ(debug.mirXMax, 640);
    EXPECT_EQ(debug.mirRadMax, 320);
    EXPECT_EQ(debug.mirYMax, 480);
}

TEST(MainLayout, ShortFrameGivesANegativeGapTruncatedTowardZero) {
    MainLayoutInput in = designedInput(false);
    in.picture1.setHeight(124); // (124 - 191) / 5 = -13.4 -> -13
    const MainLayout out = computeMainLayout(in);
    EXPECT_EQ(out.column[Command3].top(), 1 + 21 - 13);
}

TEST(MainLayout, MoreTextLetsText2ReachDownAndMovesTheGaugeLeftOfIt) {
    for (bool debug : {false, true}) {
        const MainLayout plain = computeMainLayout(designedInput(debug));
        const MainLayout more = computeMainLayout(designedInput(debug, true));
        EXPECT_EQ(more.text2.left(), plain.text2.left());
        EXPECT_EQ(more.text2.top(), plain.text2.top());
        EXPECT_EQ(more.text2.width(), plain.text2.width());
        EXPECT_EQ(more.text2.height(), 554 - 100);
        EXPECT_EQ(more.picture3.left(), more.text2.left() - 40);
        EXPECT_EQ(more.picture3.top(), plain.picture3.top());
        EXPECT_EQ(more.picture3.width(), 40);
        EXPECT_EQ(more.picture2.width(), more.picture3.left());
        EXPECT_EQ(more.picture2.top(), plain.picture2.top());
    }
    // In the debug arrangement Text2 then ends exactly at the window's bottom.
    const MainLayout debugMore = computeMainLayout(designedInput(true, true));
    EXPECT_EQ(debugMore.text2.top() + debugMore.text2.height(), 554);
}

TEST(MainLayout, TinyWindowGivesEmptyBoxesNotNegativeOnes) {
    MainLayoutInput in = designedInput(true);
    in.inner = QSize(200, 100);
    const MainLayout out = computeMainLayout(in);
    EXPECT_EQ(out.picture2.height(), 0);
    EXPECT_EQ(out.picture3.height(), 0);
    EXPECT_EQ(out.text1->width(), 0);
    EXPECT_EQ(out.text2.width(), 0);
    EXPECT_GE(out.picture2.width(), 0);
}

} // namespace
