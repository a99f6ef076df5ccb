// The captions of the kind buttons and of the info dialog, in the twelve languages the
// controls speak, as one string table addressed by identifier: "OK" and the English button
// captions at 30100 to 30113, the others at 30101 + group + 20 x language, and the info
// dialog's caption at 30509 + 30 x language. Text is UTF-8.
#pragma once

#include <string_view>

namespace controls {

enum TDialogLanguage : unsigned char {
    dlEnglish,
    dlRussian,
    dlUkranian,
    dlFrench,
    dlPortuguese,
    dlSpanish,
    dlGerman,
    dlDanish,
    dlItalian,
    dlSwedish,
    dlDutch,
    dlPolish
};
constexpr int kLanguageCount = 12;
constexpr int kButtonGroupCount = 13; // Cancel, Help, Yes, No, Close, ... Finish

constexpr int kOkCaptionId = 30100;
constexpr int buttonCaptionId(int group, int language) {
    return 30101 + group + 20 * language;
}
constexpr int infoCaptionId(int language) {
    return 30509 + 30 * language;
}

// The string with that identifier; empty when the table holds none.
std::string_view LoadStr(int id);

} // namespace controls
