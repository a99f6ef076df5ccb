// One side panel's controls, each at its offset from the panel's left edge: placed and shown
// together, hidden together with what they hold kept.
#pragma once

#include <span>
#include <utility>
#include <vector>

class QWidget;

namespace game {

class SidePanel {
public:
    // `entry` indexes the panel's offsets; controls are placed and shown in the order added.
    void add(QWidget* control, int entry) { controls_.emplace_back(control, entry); }
    void showAt(int left, std::span<const int> offsets) const;
    void hide() const;

private:
    std::vector<std::pair<QWidget*, int>> controls_;
};

} // namespace game
