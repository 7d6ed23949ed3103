#include "setup/PlatformMenuToggles.h"

#include <utility>

namespace orvane {

bool togglePlatformMenu(PlatformMenus& menus, PlatformMenuItem item) {
    switch (item) {
    case PlatformMenuItem::Invert:
        menus.invert = !menus.invert;
        return true;
    case PlatformMenuItem::ReverseLeftRight:
        menus.lrSwap = !menus.lrSwap;
        return true;
    case PlatformMenuItem::ReverseToFrom:
        menus.tfSwap = !menus.tfSwap;
        return true;
    case PlatformMenuItem::SwapMotors:
        // Swapped motors drive each other's axis, so the reversal settings go with the motors.
        menus.swapMotors = !menus.swapMotors;
        std::swap(menus.lrSwapCaption, menus.tfSwapCaption);
        std::swap(menus.lrSwap, menus.tfSwap);
        return true;
    case PlatformMenuItem::FixedSource:
        menus.fixedSource = !menus.fixedSource;
        return false;
    }
    return false;
}

} // namespace orvane
