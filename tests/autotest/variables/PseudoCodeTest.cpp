#include "autotest/variables/PseudoCode.h"

#include <gtest/gtest.h>

using namespace orvane;

TEST(PseudoCode, KnifeTextForTheDefaultValues) {
    const KnifeCodeValues values{4, 60, 30, 10, 1, 6, 0.000125};
    const QString expected = "If Frame Average > 4 Then\r\n"
                             "   If Zone Intensity > 60 + 10 {Max + Delta} Then:\r\n"
                             "      Cut Knife Into Return Beam 0.00075 {Or 6 Half-Steps}\r\n"
                             "      Reset Current Frame Average to 1 and Start All Over!\r\n"
                             "   End If\r\n"
                             "\r\n"
                             "   If Zone Intensity < 30 - 10 {Min - Delta} Then:\r\n"
                             "      Cut Knife Out of Return Beam 0.00075 {Or 6 Half-Steps}\r\n"
                             "      Reset Current Frame Average to 1 and Start All Over!\r\n"
                             "   End If\r\n"
                             "\r\n"
                             "   If Zone Intensity > 60 {Max} Then:\r\n"
                             "      Cut Knife Into Return Beam 0.000125 {Or 1 Half-Steps}\r\n"
                             "      Reset Current Frame Average to 1 and Start All Over!\r\n"
                             "   End If\r\n"
                             "\r\n"
                             "   If Zone Intensity < 30 {Min} Then:\r\n"
                             "      Cut Knife Out of Return Beam 0.000125 {Or 1 Half-Steps}\r\n"
                             "      Reset Current Frame Average to 1 and Start All Over!\r\n"
                             "   End If\r\n"
                             "\r\n"
                             "End If ** If the code gets this far,\r\n"
                             "          ** Then its time to Rough Adust Distance from Mirror! :) ";
    EXPECT_EQ(knifePseudoCode(values), expected);
}

TEST(PseudoCode, PlatformTextForTheDefaultValues) {
    const PlatformCodeValues values{15, 15, 40, 20, 16, 0.000125};
    const QString expected =
        "   ***Assuming Knife On Right side of light source!***\r\n"
        "If Frame Average > 15 Then \r\n"
        "   If Found_Oblate = False Then:\r\n"
        "      If Left Zone Value > Right Zone Value + 15 Then:\r\n"
        "         Move Knife Towards Mirror 0.005 {or 40 Half-Steps\r\n"
        "         Reset Frame Average to 1 and Start Over!\r\n"
        "      Else\r\n"
        "          Found_Oblate = True\r\n"
        "      End If\r\n"
        "   End If\r\n"
        "\r\n"
        "   If Found_Oblate = True Then:\r\n"
        "      If Left Zone Value > Right Zone Value + 20 Then:\r\n"
        "         Move Knife Away From Mirror 0.002 {or 16 Half-Steps\r\n"
        "         Reset Frame Average to 1 and Start Over!\r\n"
        "      End If\r\n"
        "   End IF\r\n"
        " End If\r\n"
        "**** If we made it this far, then its time to Move onto Final Null Code!";
    EXPECT_EQ(platformPseudoCode(values), expected);
}

TEST(PseudoCode, EveryValueLandsInItsPlace) {
    const QString knife = knifePseudoCode({7, 200, 90, 3, 2, 11, 0.0000125});
    EXPECT_TRUE(knife.startsWith("If Frame Average > 7 Then\r\n"));
    EXPECT_TRUE(knife.contains("> 200 + 3 {Max + Delta}"));
    EXPECT_TRUE(knife.contains("< 90 - 3 {Min - Delta}"));
    EXPECT_TRUE(knife.contains("Into Return Beam 0.0001375 {Or 11 Half-Steps}"));
    EXPECT_TRUE(knife.contains("Out of Return Beam 2.5E-05 {Or 2 Half-Steps}"));
    EXPECT_TRUE(knife.contains("> 200 {Max} Then:"));
    EXPECT_TRUE(knife.contains("< 90 {Min} Then:"));

    const QString platform = platformPseudoCode({21, 5, 3, 9, 12, 0.0005});
    EXPECT_TRUE(platform.contains("If Frame Average > 21 Then \r\n"));
    EXPECT_TRUE(platform.contains("Right Zone Value + 5 Then:\r\n         Move Knife Towards "
                                  "Mirror 0.0015 {or 3 Half-Steps"));
    EXPECT_TRUE(platform.contains("Right Zone Value + 9 Then:\r\n         Move Knife Away From "
                                  "Mirror 0.006 {or 12 Half-Steps"));
}
