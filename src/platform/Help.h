// Context help: a help context number per control, found from the control under the mouse
// or the one with the focus, walking up to the first ancestor that has one.
#pragma once

class QWidget;

namespace platform {

void setHelpContext(QWidget* widget, int context);
// The context of the widget or its nearest ancestor that has one; 0 for none.
int helpContextFor(const QWidget* widget);

} // namespace platform
