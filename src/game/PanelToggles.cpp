#include "game/PanelToggles.h"

#include "game/PanelLayout.h"

namespace game {

void PanelToggles::mLogsClick() {
    if (settings_.Logs) {
        view_.HideLogPanel();
        if (settings_.Option) { // moves into the freed place
            view_.HideOptionsPanel();
            view_.ShowOptionsPanel(kFirstSidePanelX);
        }
        view_.captionLogsItem(false);
    } else {
        view_.ShowLogPanel(kFirstSidePanelX);
        if (settings_.Option) view_.ShowOptionsPanel(kSecondSidePanelX); // pushed right of the log
        view_.captionLogsItem(true);
    }
    view_.applyWindowWidth();
}

void PanelToggles::mOptionsClick() {
    if (settings_.Option) {
        view_.HideOptionsPanel();
        view_.captionOptionsItem(false);
    } else {
        view_.ShowOptionsPanel(settings_.Logs ? kSecondSidePanelX : kFirstSidePanelX);
        view_.captionOptionsItem(true);
    }
    view_.applyWindowWidth();
}

// Each toggle, run on the inverted flag, puts its panel back in the state it had, placed
// anew for the current extra width, with the caption and the window width to match.
void PanelToggles::RefreshPanels() {
    settings_.Logs = !settings_.Logs;
    mLogsClick();
    settings_.Option = !settings_.Option;
    mOptionsClick();
}

} // namespace game
