// A button keeps its mnemonic when another control's caption shares the letter (a group's
// title, say): Qt makes a shared mnemonic ambiguous, and an ambiguous one only moves the focus
// between the two, so the button would never be pressed by it while the other is shown.
#pragma once

#include <initializer_list>

class QAbstractButton;
class QWidget;

namespace platform {

// Alt and the letter press `button` while it is enabled, whichever of `sharing` is shown;
// with the button disabled the others keep what their mnemonic does.
void keepMnemonicFor(QAbstractButton* button, std::initializer_list<QWidget*> sharing);

} // namespace platform
