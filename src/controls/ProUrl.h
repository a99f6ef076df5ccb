// TProUrlLabel: an effect label that behaves as a link. It is drawn underlined in a link
// colour with the hand cursor, turns the activated colour while a mouse button is held on it,
// the hover colour under the pointer (when CanHover is on) and the visited colour once
// opened; a press and release inside, with any button, opens its URL (or its caption, when
// the URL is empty) with the desktop's program for it.
#pragma once

#include "controls/ProCtrls.h"

namespace controls {

class TProUrlLabel : public TProLabel {
    Q_OBJECT
public:
    explicit TProUrlLabel(QWidget* parent = nullptr);

    QString url() const { return url_; }
    void setUrl(const QString& value) { url_ = value; }
    platform::TColor unvisitedColor() const { return unvisitedColor_; }
    void setUnvisitedColor(platform::TColor value);
    platform::TColor activatedColor() const { return activatedColor_; }
    void setActivatedColor(platform::TColor value) { activatedColor_ = value; }
    platform::TColor visitedColor() const { return visitedColor_; }
    void setVisitedColor(platform::TColor value);
    platform::TColor hoveredColor() const { return hoveredColor_; }
    void setHoveredColor(platform::TColor value) { hoveredColor_ = value; }
    bool canHover() const { return canHover_; }
    void setCanHover(bool value); // sets the underline on every call
    bool visited() const { return visited_; }
    bool pressed() const { return pressed_; }

protected:
    void MouseEnter() override;
    void MouseLeave() override;
    void FontChanged() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showColour(platform::TColor colour); // the label's own colour changes
    void setUnderline(bool on);
    platform::TColor restingColour() const { return visited_ ? visitedColor_ : unvisitedColor_; }

    QString url_;
    platform::TColor unvisitedColor_ = platform::rgbColor(0, 0, 255);
    platform::TColor activatedColor_ = platform::rgbColor(255, 0, 0);
    platform::TColor visitedColor_ = platform::rgbColor(0, 0, 128);
    platform::TColor hoveredColor_ = platform::rgbColor(255, 255, 255);
    bool canHover_ = false;
    bool visited_ = false;
    bool pressed_ = false;
    bool ownChange_ = false;
};

} // namespace controls
