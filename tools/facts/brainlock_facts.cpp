// Writes what the scripts must know of the game, from the game's own tables, as shell
// variables: the settings' stored names in their order with their first-run values, and
// where each control stands ("left top width height anchor", anchor 0 for the left, 1
// centred, 2 right; the side panels' controls where they stand with both panels shown), the
// window's widths, and what moves them. The build
// runs it into the runtime folder (brainlock-facts.sh); scripts source that file rather than
// write the numbers again.
#include "about/AboutLayout.h"
#include "game/GameState.h"
#include "game/MainLayout.h"
#include "game/PanelLayout.h"
#include "game/Settings.h"

#include <iostream>
#include <string>

namespace {

void writeSettings(std::ostream& out) {
    const game::TSettings firstRun;
    std::string names;
    for (const game::SettingField& field : game::kSettingFields)
        names.append(names.empty() ? "" : " ").append(field.name);
    out << "settings_names=\"" << names << "\"\n";
    for (const game::SettingField& field : game::kSettingFields)
        out << "settings_default_" << field.name << '=' << field.stored(firstRun) << '\n';
}

void writePlace(std::ostream& out, std::string_view name, const game::Rect& r,
                game::Anchor anchor) {
    out << "layout_" << name << "=\"" << r.left << ' ' << r.top << ' ' << r.width << ' ' << r.height
        << ' ' << static_cast<int>(anchor) << "\"\n";
}

void writeLayout(std::ostream& out) {
    for (const game::ControlPlace& place : game::kGamePanelPlaces)
        writePlace(out, place.name, place.rect, place.anchor);
    for (int slot = 0; slot < game::kMaxDigits; ++slot) {
        const std::string number = std::to_string(slot + 1);
        writePlace(out, std::string("ssNum").append(number), game::entryDisplayRect(slot),
                   game::Anchor::Left);
        writePlace(out, std::string("lQM").append(number), game::entryMarkRect(slot),
                   game::Anchor::Left);
    }
    // The log grid where the log panel first stands, right of the game panel.
    game::Rect grid = game::kLogGridRect;
    grid.left = game::kFirstSidePanelX + game::kLogPanelOffsets[game::lpGrid];
    writePlace(out, "sgLogs", grid, game::Anchor::Right);
    // The option groups where the options panel stands beside the log.
    for (const game::OptionGroupPlace& group : game::kOptionGroupPlaces) {
        game::Rect r = group.rect;
        r.left = game::kSecondSidePanelX + game::kOptionsPanelOffsets[group.entry];
        writePlace(out, group.name, r, game::Anchor::Right);
    }
    // The window's widths with no, one and both side panels, before the extra width.
    out << "layout_window_widths=\"" << game::windowWidth(false, false, 0) << ' '
        << game::windowWidth(true, false, 0) << ' ' << game::windowWidth(true, true, 0) << "\"\n";
    out << "layout_window_height=" << game::kWindowHeight << '\n'
        << "layout_extra_width_per_digit=" << game::kExtraWidthPerDigit << '\n'
        << "layout_first_side_panel=" << game::kFirstSidePanelX << '\n'
        << "layout_second_side_panel=" << game::kSecondSidePanelX << '\n';
}

void writeAboutLayout(std::ostream& out) {
    const auto write = [&out](const char* name, const about::Place& p) {
        out << "layout_about_" << name << "=\"" << p.left << ' ' << p.top << ' ' << p.width << ' '
            << p.height << "\"\n";
    };
    write("window", about::kAboutWindow);
    write("banner", about::kAboutBanner);
}

} // namespace

int main() {
    std::cout << "# What the scripts know of the game, written by the build from its tables.\n";
    writeSettings(std::cout);
    writeLayout(std::cout);
    writeAboutLayout(std::cout);
    return std::cout ? 0 : 1;
}
