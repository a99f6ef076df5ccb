#include "game/MainLayout.h"

#include <cstdlib>

namespace game {

const ControlPlace& placeOf(std::string_view name) {
    for (const ControlPlace& place : kGamePanelPlaces)
        if (place.name == name) return place;
    std::abort(); // the names are the window's own: a missing one is a typing mistake
}

const OptionGroupPlace& optionGroupOf(std::string_view name) {
    for (const OptionGroupPlace& place : kOptionGroupPlaces)
        if (place.name == name) return place;
    std::abort();
}

std::string_view keyName(int digit) {
    static constexpr std::string_view kNames[10] = {"sb0", "sb1", "sb2", "sb3", "sb4",
                                                    "sb5", "sb6", "sb7", "sb8", "sb9"};
    return kNames[digit];
}

Rect entryDisplayRect(int slot) {
    return {32 + kDigitStep * slot, 40, 25, 41};
}

Rect entryMarkRect(int slot) {
    return {32 + kDigitStep * slot, 40, 25, 46};
}

} // namespace game
