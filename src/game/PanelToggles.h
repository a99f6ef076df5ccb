// The side panels' toggles as plain C++: where the tries log and the options go when the
// menu or a panel's "X" shows or hides one, and how a new game puts both back as they were.
// The window implements PanelView, whose Show and Hide operations set the settings' flags.
#pragma once

#include "game/Settings.h"

namespace game {

class PanelView {
public:
    virtual ~PanelView() = default;
    virtual void ShowLogPanel(int x) = 0; // x before the extra width
    virtual void ShowOptionsPanel(int x) = 0;
    virtual void HideLogPanel() = 0;
    virtual void HideOptionsPanel() = 0;
    virtual void captionLogsItem(bool logShown) = 0; // "Hide &Logs" or "Show &Logs"
    virtual void captionOptionsItem(bool optionsShown) = 0;
    virtual void applyWindowWidth() = 0;
};

class PanelToggles {
public:
    PanelToggles(TSettings& settings, PanelView& view)
        : settings_(settings)
        , view_(view) {}

    void mLogsClick();
    void mOptionsClick();
    void RefreshPanels();

private:
    TSettings& settings_;
    PanelView& view_;
};

} // namespace game
