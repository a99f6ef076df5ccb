// What the game's boxes say: the refused entry, the exit question, the option-change
// questions and the win and loss messages with the secret in them.
#pragma once

#include <string>

namespace game {

inline constexpr const char* kFullEntryMessage = "Sorry, you cannot add more number";
inline constexpr const char* kExitQuestion = "Are you sure want to exit Brainlock Game ?";
inline constexpr const char* kOptionChanged =
    "Option has been changed.\r\nDo you want to regenerate new numbers ?";
inline constexpr const char* kOptionNextGame = "The Option will work in the next game";
inline constexpr const char* kWinCaption = "You Win !!";
inline constexpr const char* kLoseCaption = "You Lose !!";

std::string winMessage(const std::string& secret);
std::string lossMessage(const std::string& secret);

} // namespace game
