#include "game/SpokenText.h"

namespace game {

namespace {
std::string counted(int n, const char* one, const char* many) {
    return std::to_string(n) + ' ' + (n == 1 ? one : many);
}
} // namespace

std::string scoreSentence(const std::string& guess, int correctNumber, int correctPlace) {
    return guess + ": " + counted(correctNumber, "correct number", "correct numbers") + ", " +
           std::to_string(correctPlace) + " in place";
}

std::string guessesLeftSentence(int left) {
    return counted(left, "guess left", "guesses left");
}

std::string repeatedDigitSentence(int digit) {
    return std::to_string(digit) + " is already in your guess";
}

std::string shortGuessSentence(int digits) {
    return "Your guess needs " + std::to_string(digits) + " digits";
}

} // namespace game
