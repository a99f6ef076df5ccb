// What the game says to a screen reader that a sighted player reads off the displays: a
// scored guess, the guesses left, a digit refused, a guess too short.
#pragma once

#include <string>

namespace game {

// "1234: 2 correct numbers, 1 in place"
std::string scoreSentence(const std::string& guess, int correctNumber, int correctPlace);
// "10 guesses left", "1 guess left"
std::string guessesLeftSentence(int left);
// "3 is already in your guess"
std::string repeatedDigitSentence(int digit);
// "Your guess needs 4 digits"
std::string shortGuessSentence(int digits);

} // namespace game
