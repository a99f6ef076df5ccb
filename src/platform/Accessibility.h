// What screen readers see of the game's windows beyond Qt's own: actions that answer the
// reader at once and run just after, controls left out of the tree (decoration, or text that
// another control already says), announcements as a notification of the window, and the
// interfaces of the standard controls' wrappers (pictures, keypad buttons, option items, the
// tries grid, the bevelled panel).
#pragma once

#include <QString>
#include <functional>

class QObject;
class QWidget;

namespace platform {

// Installs the interfaces; once, before any window is built.
void installAccessibility();

// Whether a control takes input as a click would reach it: enabled, and in the active modal
// window (or a window it owns) when one is open. A reader's action is checked when asked and
// again when it runs, as a box may have opened in between.
bool takesInput(const QWidget* control);

// Runs `action` once the reader's call has returned: an action may open a modal box, and the
// reader must not wait for the player to close it.
void afterAnswering(QObject* context, std::function<void()> action);

// Leaves a control out of the accessibility tree (or brings it back).
void setAccessibleHidden(QWidget* widget, bool hidden);
bool accessibleHidden(const QWidget* widget);

// Says `text` to a reader without the player moving: a notification of the window that has
// the keyboard focus (else of `fallback`'s window), shown with the text, which readers speak
// as it is shown, once. It stays in the window's tree with the last announcement.
void announce(const QString& text, QWidget* fallback);

} // namespace platform
