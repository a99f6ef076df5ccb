// The play flow without a window: what the keypad, a guess and an option change make the
// window show, sound, say and ask, read from a view that writes each call down.
#include "game/GameSession.h"
#include "support/FixedClock.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using game::GameSession;
using game::GameState;
using game::Score;
using game::SessionView;
using game::TSettings;
using testing_support::FixedClock;
using testing_support::kSeed12345;

namespace {

class WrittenView final : public SessionView {
public:
    explicit WrittenView(GameState& game, const TSettings& settings)
        : game_(game)
        , settings_(settings) {}
    std::vector<std::string> calls;
    bool agree = false; // the answer to the option question

    void PlaySoundByName(const std::string& file) override { calls.push_back("sound " + file); }
    void showEntryDigit(int slot, int digit) override {
        calls.push_back("show " + std::to_string(slot) + ":" + std::to_string(digit));
    }
    void hideEntryDigit(int slot) override { calls.push_back("hide " + std::to_string(slot)); }
    void hideAllEntryDigits() override { calls.push_back("hide all"); }
    void showScore(const Score& s) override {
        calls.push_back("score " + std::to_string(s.correctNumber) + "/" +
                        std::to_string(s.correctPlace));
    }
    void showGuessesLeft(int left) override { calls.push_back("left " + std::to_string(left)); }
    void writeLogRow(int row, const std::string& guess, const std::string& score) override {
        calls.push_back("row " + std::to_string(row) + " " + guess + " " + score);
    }
    void say(const std::string& text) override { calls.push_back("say " + text); }
    void refuseFullEntry() override { calls.push_back("full"); }
    void AnnounceWin() override { calls.push_back("win"); }
    void GiveUp() override {
        calls.push_back("give up");
        StartNewGame();
    }
    void StartNewGame() override { // as the window's does: the game anew from the settings
        calls.push_back("new game");
        game_.NewGame(settings_.Digit, settings_.Duplicate);
    }
    bool confirmOptionChange() override {
        calls.push_back("asked");
        return agree;
    }
    void tellOptionWaitsForNextGame() override { calls.push_back("waits"); }

private:
    GameState& game_;
    const TSettings& settings_;
};

struct Session : testing::Test {
    FixedClock clock{kSeed12345}; // the secret 3205
    GameState game{clock};
    TSettings settings;
    WrittenView view{game, settings};
    GameSession session{game, settings, view};

    void SetUp() override { game.NewGame(4, false); }
    void type(const std::string& digits) {
        for (char d : digits)
            session.KeypadPress(d - '0');
    }
    std::vector<std::string> take() { return std::exchange(view.calls, {}); }
};

TEST_F(Session, KeysTypeRefuseClearAndTakeBackAsTheWindowShowsThem) {
    ASSERT_EQ(game.secret(), "3205");
    type("12");
    session.KeypadPress(1); // repeated digits are off: refused, clicked, and a reader told
    EXPECT_EQ(take(), (std::vector<std::string>{"sound click.wav", "show 1:1", "sound click.wav",
                                                "show 2:2", "sound click.wav",
                                                "say 1 is already in your guess"}));
    session.KeypadPress(GameSession::kKeyBack);
    EXPECT_EQ(take(), (std::vector<std::string>{"sound clear.wav", "hide 2"}));
    type("345");
    session.KeypadPress(6); // a full entry takes no more
    EXPECT_EQ(take().back(), "full");
    session.KeypadPress(GameSession::kKeyClear);
    EXPECT_EQ(take(), (std::vector<std::string>{"sound clear.wav", "hide all"}));
    EXPECT_EQ(game.entry(), "");
}

TEST_F(Session, GuessesAreScoredLoggedAndSaidAWinOrTheLastWrongGuessEndsTheGame) {
    session.Guess(); // an empty entry costs nothing, and says why
    EXPECT_EQ(take(), (std::vector<std::string>{"say Your guess needs 4 digits"}));

    type("3250");
    take();
    session.Guess();
    EXPECT_EQ(take(), (std::vector<std::string>{
                          "score 4/2", "row 0 3250 4/2", "left 10",
                          "say 3250: 4 correct numbers, 2 in place. 10 guesses left", "hide all"}));

    type("3205");
    take();
    session.Guess(); // the win is shown with the digits and scores, then the next game
    EXPECT_EQ(take(), (std::vector<std::string>{"score 4/4", "win", "new game"}));

    const std::string secret = game.secret();
    const std::string wrong = secret == "9876" ? "8765" : "9876";
    for (int guess = 1; guess < 11; ++guess) {
        type(wrong);
        session.Guess();
    }
    type(wrong);
    take();
    session.Guess(); // the eleventh: no row left for it, said, then given up
    const std::vector<std::string> last = take();
    ASSERT_EQ(last.size(), 6u) << last.size();
    EXPECT_EQ(last[0].rfind("score ", 0), 0u) << last[0];
    EXPECT_EQ(last[1], "left 0");
    EXPECT_EQ(last[2].rfind("say " + wrong + ":", 0), 0u) << last[2];
    EXPECT_EQ(std::vector<std::string>(last.begin() + 3, last.end()),
              (std::vector<std::string>{"give up", "new game", "hide all"}));
}

TEST_F(Session, AnOptionChangeStartsANewGameUntilAGuessIsLoggedThenOnlyIfThePlayerAgrees) {
    settings.Digit = 5;
    EXPECT_TRUE(session.OptionChanged());
    EXPECT_EQ(take(), (std::vector<std::string>{"new game"}));
    EXPECT_EQ(game.digitCount(), 5);

    type("01234");
    session.Guess();
    take();
    settings.Digit = 6;
    EXPECT_FALSE(session.OptionChanged()); // No: it waits, and the game goes on
    EXPECT_EQ(take(), (std::vector<std::string>{"asked", "waits"}));
    EXPECT_EQ(game.digitCount(), 5);
    view.agree = true;
    EXPECT_TRUE(session.OptionChanged());
    EXPECT_EQ(take(), (std::vector<std::string>{"asked", "new game"}));
    EXPECT_EQ(game.digitCount(), 6);
}

} // namespace
