#include "game/GameState.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace game;

namespace {

using testing_support::FixedClock;
using testing_support::kSeed12345;

// Types a guess digit by digit, repeats allowed so every guess can be typed.
GuessOutcome guess(GameState& state, const std::string& digits) {
    for (char c : digits)
        state.AddDigit(c - '0', true);
    return state.SubmitGuess();
}

// A guess of the right length that differs from the secret.
std::string wrongGuessFor(const std::string& secret) {
    std::string wrong = secret;
    wrong[0] = secret[0] == '9' ? '0' : static_cast<char>(secret[0] + 1);
    return wrong;
}

} // namespace

TEST(Generator, DrawsTheKnownDigitsFromSeed12345) {
    Lcg rng(12345);
    std::vector<std::uint32_t> digits;
    for (int i = 0; i < 10; ++i)
        digits.push_back(rng.drawBelow(10));
    EXPECT_EQ(digits, (std::vector<std::uint32_t>{3, 2, 0, 5, 6, 3, 4, 0, 0, 9}));
}

TEST(Generator, SecretsFromSeed12345) {
    Lcg distinct(12345), repeats(12345), four(12345), fourRepeats(12345);
    EXPECT_EQ(drawSecret(distinct, 6, false), "320564"); // the second 3 is discarded
    EXPECT_EQ(drawSecret(repeats, 6, true), "320563");
    EXPECT_EQ(drawSecret(four, 4, false), "3205");
    EXPECT_EQ(drawSecret(fourRepeats, 4, true), "3205");
}

TEST(Generator, SeedIsMillisecondsSinceMidnightUtc) {
    EXPECT_EQ(seedFromTime(0, 0, 12, 345), 12345u);
    EXPECT_EQ(seedFromTime(23, 59, 59, 999), 86399999u);
    FixedClock clock(kSeed12345);
    GameState state(clock);
    state.NewGame(6, false);
    EXPECT_EQ(state.secret(), "320564");
    // Every game reseeds from the clock: the same time gives the same secret.
    state.NewGame(6, false);
    EXPECT_EQ(state.secret(), "320564");
    clock.time.millisecond = 346;
    state.NewGame(6, false);
    EXPECT_NE(state.secret(), "320564");
}

TEST(Scoring, CountsSharedDigitsOnceAndPlacesExactly) {
    EXPECT_EQ(ScoreGuess("1111", "1123"), (Score{2, 2}));
    EXPECT_EQ(ScoreGuess("4321", "1234"), (Score{4, 0}));
    EXPECT_EQ(ScoreGuess("3300", "1203"), (Score{2, 1})); // the help page's worked example
    EXPECT_EQ(ScoreGuess("5123", "5555"), (Score{1, 1}));
    EXPECT_EQ(ScoreGuess("0712", "7012"), (Score{4, 2})); // a leading 0 is a digit like any
    EXPECT_EQ(ScoreGuess("5678", "1234"), (Score{0, 0}));
    EXPECT_EQ(scoreText({2, 1}), "2/1");
    EXPECT_EQ(scoreText({10, 0}), "10/0");
}

TEST(Entry, AddDigitTestsFullBeforeRepeated) {
    FixedClock clock(kSeed12345);
    GameState state(clock);
    state.NewGame(4, false);
    EXPECT_EQ(state.AddDigit(1, false).slot, 1);
    EXPECT_EQ(state.AddDigit(7, false).slot, 2);
    EXPECT_EQ(state.AddDigit(7, false).kind, EntryKind::Repeated);
    EXPECT_EQ(state.entry(), "17");
    // Repeats follow the option at the time of typing, not the secret's.
    EXPECT_EQ(state.AddDigit(7, true).kind, EntryKind::Added);
    EXPECT_EQ(state.AddDigit(2, false).slot, 4);
    const EntryResult full = state.AddDigit(1, false); // would also be a repeat
    EXPECT_EQ(full.kind, EntryKind::Full);
    EXPECT_EQ(state.entry(), "1772");
    EXPECT_EQ(state.AddDigit(10, true).kind, EntryKind::Full);
}

TEST(Entry, ClearAndDeleteLastDigit) {
    FixedClock clock(kSeed12345);
    GameState state(clock);
    state.NewGame(5, false);
    EXPECT_EQ(state.DeleteLastDigit(), std::nullopt);
    state.AddDigit(4, false);
    state.AddDigit(5, false);
    state.AddDigit(6, false);
    EXPECT_EQ(state.DeleteLastDigit(), 3);
    EXPECT_EQ(state.entry(), "45");
    state.ClearEntry();
    EXPECT_EQ(state.entry(), "");
    EXPECT_EQ(state.DeleteLastDigit(), std::nullopt);
    EXPECT_EQ(state.AddDigit(-1, true).kind, EntryKind::Repeated); // not a digit: refused
    EXPECT_EQ(state.entry(), "");
}

TEST(Game, IncompleteGuessUsesNothing) {
    FixedClock clock(kSeed12345);
    GameState state(clock);
    EXPECT_EQ(state.digitCount(), 0);
    EXPECT_EQ(state.SubmitGuess().kind, GuessKind::Incomplete); // no game yet
    state.NewGame(4, false);
    state.AddDigit(1, false);
    state.AddDigit(2, false);
    state.AddDigit(3, false);
    EXPECT_EQ(state.SubmitGuess().kind, GuessKind::Incomplete);
    EXPECT_EQ(state.guessesLeft(), 11);
    EXPECT_TRUE(state.log().empty());
    EXPECT_EQ(state.entry(), "123");
}

TEST(Game, ElevenWrongGuessesLoseAFourDigitGame) {
    FixedClock clock(kSeed12345);
    GameState state(clock);
    state.NewGame(4, false);
    ASSERT_EQ(state.secret(), "3205");
    for (int i = 1; i <= 10; ++i) {
        const GuessOutcome outcome = guess(state, "1203");
        EXPECT_EQ(outcome.kind, GuessKind::Wrong);
        EXPECT_EQ(outcome.score, (Score{3, 2}));
        EXPECT_EQ(state.guessesLeft(), 11 - i);
        EXPECT_EQ(state.entry(), "");
    }
    EXPECT_EQ(state.log().size(), 10u);
    EXPECT_EQ(state.log().front(), (LogRow{"1203", "3/2"}));
    const GuessOutcome last = guess(state, "1111");
    EXPECT_EQ(last.kind, GuessKind::Lost);
    EXPECT_EQ(state.guessesLeft(), 0);
    EXPECT_EQ(state.log().size(), 11u);
    EXPECT_EQ(state.entry(), "1111"); // kept: the next game empties it
    state.NewGame(4, false);
    EXPECT_TRUE(state.log().empty());
    EXPECT_EQ(state.entry(), "");
    EXPECT_EQ(state.guessesLeft(), 11);
}

TEST(Game, ACorrectGuessOnTheLastTryWinsWithoutALogRow) {
    FixedClock clock(kSeed12345);
    GameState state(clock);
    state.NewGame(4, false);
    for (int i = 0; i < 10; ++i)
        guess(state, "9999");
    const GuessOutcome win = guess(state, "3205");
    EXPECT_EQ(win.kind, GuessKind::Won);
    EXPECT_EQ(win.score, (Score{4, 4}));
    EXPECT_EQ(state.guessesLeft(), 1);
    EXPECT_EQ(state.log().size(), 10u);
}

TEST(Game, SizesFollowTheDigitCountAndStayInRange) {
    FixedClock clock(kSeed12345);
    GameState state(clock);
    const std::pair<int, int> sizes[] = {{4, 11},  {5, 16}, {6, 21}, {0, 11},
                                         {-3, 11}, {7, 21}, {99, 21}};
    for (const auto& [asked, guesses] : sizes) {
        state.NewGame(asked, false); // out-of-range counts come into 4..6, never draw forever
        EXPECT_EQ(state.guessesLeft(), guesses) << asked;
        EXPECT_EQ(state.digitCount(), std::clamp(asked, 4, 6)) << asked;
        EXPECT_EQ(static_cast<int>(state.secret().size()), state.digitCount()) << asked;
    }
}

TEST(Game, PropertiesHoldOverManySeeds) {
    FixedClock clock;
    GameState state(clock);
    for (int ms = 0; ms < 3000; ms += 7) {
        clock.time = {ms % 24, ms % 60, ms % 60, ms % 1000};
        const int digits = 4 + ms % 3;
        const bool repeats = ms % 2 == 0;
        state.NewGame(digits, repeats);
        const std::string& secret = state.secret();
        ASSERT_EQ(static_cast<int>(secret.size()), digits);
        ASSERT_TRUE(
            std::all_of(secret.begin(), secret.end(), [](char c) { return c >= '0' && c <= '9'; }));
        if (!repeats) {
            ASSERT_EQ(std::set<char>(secret.begin(), secret.end()).size(), secret.size()) << secret;
        }

        std::string probe = wrongGuessFor(secret);
        std::rotate(probe.begin(), probe.begin() + ms % digits, probe.end());
        const Score score = ScoreGuess(probe, secret);
        int expected = 0;
        for (char d = '0'; d <= '9'; ++d)
            expected += static_cast<int>(std::min(std::count(probe.begin(), probe.end(), d),
                                                  std::count(secret.begin(), secret.end(), d)));
        ASSERT_EQ(score.correctNumber, expected) << probe << " vs " << secret;
        ASSERT_LE(score.correctPlace, score.correctNumber);
        ASSERT_LE(score.correctNumber, digits);
    }
}
