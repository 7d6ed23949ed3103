#pragma once

#include "core/Settings.h"

namespace orvane {

// The check-mark items of the "&Platform Settings" menu.
enum class PlatformMenuItem { Invert, ReverseLeftRight, ReverseToFrom, SwapMotors, FixedSource };

// Does what choosing the item does to the menu's state. Returns true when that command saves
// the settings file at once; the light-source choice waits for the next save.
[[nodiscard]] bool togglePlatformMenu(PlatformMenus& menus, PlatformMenuItem item);

} // namespace orvane
