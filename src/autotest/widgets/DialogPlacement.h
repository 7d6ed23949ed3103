#pragma once

class QTabWidget;
class QWidget;

namespace orvane {

// Places a window in the middle of its screen.
void centreOnScreen(QWidget& window);

// Ctrl+Tab anywhere in the tabs' window selects the next tab, wrapping from the last to the
// first, whichever control has the focus.
void selectNextTabOnCtrlTab(QTabWidget& tabs);

} // namespace orvane
