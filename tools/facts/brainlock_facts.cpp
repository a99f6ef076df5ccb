// Writes what the scripts must know of the game, from the game's own tables, as shell
// variables: the settings' stored names in their order with their first-run values. The build
// runs it into the runtime folder (brainlock-facts.sh); scripts source that file rather than
// write the numbers again.
#include "game/Settings.h"

#include <iostream>
#include <string>

namespace {

void writeSettings(std::ostream& out) {
    const game::TSettings firstRun;
    std::string names;
    for (const game::SettingField& field : game::kSettingFields)
        names += (names.empty() ? "" : " ") + std::string(field.name);
    out << "settings_names=\"" << names << "\"\n";
    for (const game::SettingField& field : game::kSettingFields)
        out << "settings_default_" << field.name << '=' << field.stored(firstRun) << '\n';
}

} // namespace

int main() {
    std::cout << "# What the scripts know of the game, written by the build from its tables.\n";
    writeSettings(std::cout);
    return std::cout ? 0 : 1;
}
