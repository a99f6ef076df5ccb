// The rules engine: draws the secret, collects the digits being typed, scores guesses and
// keeps this game's tries log and guesses left. No windows, no sound, nothing persisted.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {
class UtcClock;
}

namespace game {

// The engine's 32-bit linear congruential generator.
class Lcg {
public:
    explicit Lcg(std::uint32_t state = 0)
        : state_(state) {}

    // One step of the generator; returns the new state.
    std::uint32_t step();
    // A uniform draw in 0..n-1: one step, then the high word of state * n.
    std::uint32_t drawBelow(std::uint32_t n);

private:
    std::uint32_t state_;
};

struct Score {
    int correctNumber = 0;
    int correctPlace = 0;
    bool operator==(const Score&) const = default;
};

// One wrong guess as logged: the guess as typed and its score, e.g. "0712" and "2/1".
struct LogRow {
    std::string guess;
    std::string score;
    bool operator==(const LogRow&) const = default;
};

enum class EntryKind { Added, Full, Repeated };

struct EntryResult {
    EntryKind kind = EntryKind::Added;
    int slot = 0; // 1-based slot of the added digit; 0 unless Added
};

enum class GuessKind { Incomplete, Wrong, Won, Lost };

struct GuessOutcome {
    GuessKind kind = GuessKind::Incomplete;
    Score score; // zero for Incomplete
};

constexpr int kMinDigits = 4;
constexpr int kMaxDigits = 6;

// Rows of the tries log a game of d digits has room for; one guess more is allowed.
constexpr int logCapacity(int digitCount) {
    return 5 * (digitCount - 2);
}
constexpr int guessesPerGame(int digitCount) {
    return logCapacity(digitCount) + 1;
}

// Milliseconds since midnight UTC: the generator's starting state for a game begun then.
std::uint32_t seedFromTime(int hour, int minute, int second, int millisecond);

// Draws a secret of `digits` digits from `rng`; without repeats a digit already drawn is
// discarded (its step is spent) and drawn again.
std::string drawSecret(Lcg& rng, int digits, bool repeatsAllowed);

// Correct number: digits shared by guess and secret, each matched at most once.
// Correct place: positions where they agree.
Score ScoreGuess(const std::string& guess, const std::string& secret);

// "correct number/correct place", e.g. "2/1".
std::string scoreText(const Score& score);

class GameState {
public:
    // The clock seeds every new game; it must outlive the state.
    explicit GameState(const platform::UtcClock& clock);

    // Starts a fresh game; a digit count outside 4..6 is brought into that range.
    void NewGame(int digitCount, bool repeatsAllowed);
    EntryResult AddDigit(int digit, bool repeatsAllowedNow);
    void ClearEntry();
    // The 1-based slot that became empty, or nothing when the entry was empty.
    std::optional<int> DeleteLastDigit();
    GuessOutcome SubmitGuess();

    const std::string& secret() const { return secret_; }
    const std::string& entry() const { return entry_; }
    const std::vector<LogRow>& log() const { return log_; }
    int guessesLeft() const { return guessesLeft_; }
    int digitCount() const { return digitCount_; }

private:
    const platform::UtcClock& clock_;
    std::string entry_;
    std::string secret_;
    int digitCount_ = 0; // 0 until the first game
    std::vector<LogRow> log_;
    int guessesLeft_ = 0;
    Lcg rng_;
};

} // namespace game
