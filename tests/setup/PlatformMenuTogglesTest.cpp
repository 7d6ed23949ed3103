#include "setup/PlatformMenuToggles.h"

#include <gtest/gtest.h>

using namespace orvane;

TEST(PlatformMenuToggles, CheckMarksToggleAndSaveAtOnce) {
    PlatformMenus menus;
    EXPECT_TRUE(togglePlatformMenu(menus, PlatformMenuItem::Invert));
    EXPECT_TRUE(menus.invert);
    EXPECT_TRUE(togglePlatformMenu(menus, PlatformMenuItem::Invert));
    EXPECT_FALSE(menus.invert);

    EXPECT_TRUE(togglePlatformMenu(menus, PlatformMenuItem::ReverseLeftRight));
    EXPECT_TRUE(menus.lrSwap);
    EXPECT_FALSE(menus.tfSwap);
    EXPECT_TRUE(togglePlatformMenu(menus, PlatformMenuItem::ReverseToFrom));
    EXPECT_TRUE(menus.tfSwap);
    EXPECT_TRUE(menus.lrSwap);
    EXPECT_FALSE(menus.swapMotors);
}

TEST(PlatformMenuToggles, FixedSourceTogglesWithoutSaving) {
    PlatformMenus menus;
    EXPECT_FALSE(togglePlatformMenu(menus, PlatformMenuItem::FixedSource));
    EXPECT_TRUE(menus.fixedSource);
    EXPECT_FALSE(togglePlatformMenu(menus, PlatformMenuItem::FixedSource));
    EXPECT_FALSE(menus.fixedSource);
}

TEST(PlatformMenuToggles, SwapMotorsExchangesCaptionsAndReversals) {
    PlatformMenus menus;
    menus.lrSwap = true;
    const PlatformMenus before = menus;

    EXPECT_TRUE(togglePlatformMenu(menus, PlatformMenuItem::SwapMotors));
    EXPECT_TRUE(menus.swapMotors);
    EXPECT_EQ(menus.lrSwapCaption, "Reverse &To/From Mirror Motor");
    EXPECT_EQ(menus.tfSwapCaption, "&Reverse L/R Motor");
    EXPECT_FALSE(menus.lrSwap);
    EXPECT_TRUE(menus.tfSwap);

    EXPECT_TRUE(togglePlatformMenu(menus, PlatformMenuItem::SwapMotors));
    EXPECT_FALSE(menus.swapMotors);
    EXPECT_EQ(menus.lrSwapCaption, before.lrSwapCaption);
    EXPECT_EQ(menus.tfSwapCaption, before.tfSwapCaption);
    EXPECT_EQ(menus.lrSwap, before.lrSwap);
    EXPECT_EQ(menus.tfSwap, before.tfSwap);
    EXPECT_FALSE(menus.invert);
    EXPECT_FALSE(menus.fixedSource);
}
