#include "game/GameState.h"

#include "platform/system/Clock.h"

#include <algorithm>

namespace game {

namespace {
constexpr std::uint32_t kLcgMultiplier = 134775813u;
}

std::uint32_t Lcg::step() {
    state_ = state_ * kLcgMultiplier + 1u; // unsigned arithmetic wraps modulo 2^32
    return state_;
}

std::uint32_t Lcg::drawBelow(std::uint32_t n) {
    const std::uint64_t product = static_cast<std::uint64_t>(step()) * n;
    return static_cast<std::uint32_t>(product >> 32);
}

std::uint32_t seedFromTime(int hour, int minute, int second, int millisecond) {
    return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

std::string drawSecret(Lcg& rng, int digits, bool repeatsAllowed) {
    std::string secret;
    while (static_cast<int>(secret.size()) < digits) {
        const char digit = static_cast<char>('0' + rng.drawBelow(10));
        if (repeatsAllowed || secret.find(digit) == std::string::npos) secret += digit;
    }
    return secret;
}

Score ScoreGuess(const std::string& guess, const std::string& secret) {
    Score score;
    std::string pool = secret;
    for (const char c : guess) {
        if (const auto at = pool.find(c); at != std::string::npos) {
            pool.erase(at, 1);
            ++score.correctNumber;
        }
    }
    const std::size_t common = std::min(guess.size(), secret.size());
    for (std::size_t i = 0; i < common; ++i)
        if (guess[i] == secret[i]) ++score.correctPlace;
    return score;
}

std::string scoreText(const Score& score) {
    return std::to_string(score.correctNumber) + "/" + std::to_string(score.correctPlace);
}

GameState::GameState(const platform::UtcClock& clock)
    : clock_(clock) {}

void GameState::NewGame(int digitCount, bool repeatsAllowed) {
    // Without repeats more than ten digits could never be drawn; keep to the game's sizes.
    const int d = std::clamp(digitCount, kMinDigits, kMaxDigits);
    const platform::UtcTimeOfDay t = clock_.now();
    rng_ = Lcg(seedFromTime(t.hour, t.minute, t.second, t.millisecond));
    secret_ = drawSecret(rng_, d, repeatsAllowed);
    digitCount_ = d;
    entry_.clear();
    log_.clear();
    guessesLeft_ = guessesPerGame(d);
}

EntryResult GameState::AddDigit(int digit, bool repeatsAllowedNow) {
    // Full is tested first: a full entry answers Full even for a digit that would repeat.
    if (static_cast<int>(entry_.size()) >= digitCount_) return {EntryKind::Full, 0};
    if (digit < 0 || digit > 9)
        return {EntryKind::Repeated, 0}; // not a digit: refused, nothing changes
    const char c = static_cast<char>('0' + digit);
    if (!repeatsAllowedNow && entry_.find(c) != std::string::npos) return {EntryKind::Repeated, 0};
    entry_ += c;
    return {EntryKind::Added, static_cast<int>(entry_.size())};
}

void GameState::ClearEntry() {
    entry_.clear();
}

std::optional<int> GameState::DeleteLastDigit() {
    if (entry_.empty()) return std::nullopt;
    const int slot = static_cast<int>(entry_.size());
    entry_.pop_back();
    return slot;
}

GuessOutcome GameState::SubmitGuess() {
    if (digitCount_ == 0 || static_cast<int>(entry_.size()) < digitCount_)
        return {GuessKind::Incomplete, {}};
    const Score score = ScoreGuess(entry_, secret_);
    // The win test comes before the decrease, so a correct guess on the last try wins.
    if (entry_ == secret_) return {GuessKind::Won, score};
    log_.push_back({entry_, scoreText(score)});
    --guessesLeft_;
    if (guessesLeft_ <= 0)
        return {GuessKind::Lost, score}; // the entry stays; the next game empties it
    entry_.clear();
    return {GuessKind::Wrong, score};
}

} // namespace game
