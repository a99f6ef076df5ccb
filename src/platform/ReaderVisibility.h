// Tells a Linux screen reader when a widget comes into view or leaves it. Qt 6.4's AT-SPI
// bridge says of a widget shown that it is "showing", but not that it is "visible"; the
// accessibility library a reader uses keeps the states it has read of each object and
// changes only the one it hears of, so a control that started hidden (a digit of the
// guess, the options panel) stays invisible to the reader's review of the screen after it
// appears. The game says "visible" itself, as the bridge would.
#pragma once

namespace platform {

// Watches every widget's showing and hiding from now on; does nothing where there is no
// AT-SPI bridge (Windows, or no accessibility bus).
void installReaderVisibility();

} // namespace platform
