#include "game/SidePanel.h"

#include <QWidget>

namespace game {

// Every control is in place before any shows, so no frame has the panel half moved.
void SidePanel::showAt(int left, std::span<const int> offsets) const {
    for (const auto& [control, entry] : controls_)
        control->move(left + offsets[static_cast<std::size_t>(entry)], control->y());
    for (const auto& [control, entry] : controls_)
        control->show();
}

void SidePanel::hide() const {
    for (const auto& [control, entry] : controls_)
        control->hide();
}

} // namespace game
