#include "controls/ProUrl.h"

#include "platform/widgets/Cursors.h"
#include "platform/system/Shell.h"

#include <QDir>
#include <QMouseEvent>
#include <QUrl>

namespace controls {

TProUrlLabel::TProUrlLabel(QWidget* parent)
    : TProLabel(parent) {
    showColour(unvisitedColor_);
    setUnderline(true);
    setCursor(platform::screenCursor(platform::crHandPoint));
}

void TProUrlLabel::showColour(platform::TColor colour) {
    ownChange_ = true;
    setFontColor(colour);
    ownChange_ = false;
}

void TProUrlLabel::setUnderline(bool on) {
    QFont underlined = font();
    underlined.setUnderline(on);
    ownChange_ = true;
    setFont(underlined);
    ownChange_ = false;
}

void TProUrlLabel::setUnvisitedColor(platform::TColor value) {
    if (unvisitedColor_ == value) return;
    unvisitedColor_ = value;
    if (!visited_) showColour(value);
}

void TProUrlLabel::setVisitedColor(platform::TColor value) {
    if (visitedColor_ == value) return;
    visitedColor_ = value;
    if (visited_) showColour(value);
}

void TProUrlLabel::setCanHover(bool value) {
    canHover_ = value;
    setUnderline(!value);
}

// A colour given from outside becomes the resting colour it stands for.
void TProUrlLabel::FontChanged() {
    if (ownChange_ || canHover_ || pressed_) return;
    if (visited_)
        visitedColor_ = fontColor();
    else
        unvisitedColor_ = fontColor();
}

void TProUrlLabel::mousePressEvent(QMouseEvent* event) {
    TProLabel::mousePressEvent(event);
    pressed_ = true;
    showColour(activatedColor_);
}

void TProUrlLabel::mouseReleaseEvent(QMouseEvent* event) {
    TProLabel::mouseReleaseEvent(event);
    const QPoint at = event->position().toPoint();
    // The right and bottom edges themselves count as inside.
    const bool outside = at.x() < 0 || at.y() < 0 || at.y() > height() || at.x() > width();
    if (outside) {
        showColour(restingColour());
    } else if (pressed_) {
        visited_ = true;
        showColour(canHover_ ? hoveredColor_ : visitedColor_);
        const QString target = url_.isEmpty() ? caption() : url_;
        // A name of a file in the current folder is that file, not a web address.
        platform::shell().open(QUrl::fromUserInput(target, QDir::currentPath()));
    }
    pressed_ = false;
}

void TProUrlLabel::MouseEnter() {
    TProLabel::MouseEnter();
    if (canHover_) setUnderline(true);
    if (pressed_)
        showColour(activatedColor_);
    else if (canHover_)
        showColour(hoveredColor_);
}

void TProUrlLabel::MouseLeave() {
    TProLabel::MouseLeave();
    if (canHover_) setUnderline(false);
    showColour(restingColour());
}

} // namespace controls
