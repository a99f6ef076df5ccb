// The play flow without a window: what the keypad, a guess, giving up, a new game, an option
// change and the panel toggles make the window show, sound, say and ask, read from a board
// that keeps what the window would show and writes down each call.
#include "game/GameSession.h"
#include "game/Settings.h"
#include "support/FixedClock.h"
#include "support/SessionBoard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using game::GameSession;
using game::GameState;
using game::TSettings;
using testing_support::FixedClock;
using testing_support::kSeed12345;
using testing_support::SessionBoard;

namespace {

const std::vector<bool> kNoneVisible(6, false);
using Calls = std::vector<std::string>;

struct Session : testing::Test {
    FixedClock clock{kSeed12345}; // the secret 3205
    GameState game{clock};
    TSettings settings;
    SessionBoard board{game, settings};
    GameSession session{game, settings, board};

    void SetUp() override { // as the window's first show does
        session.StartNewGame();
        ASSERT_EQ(game.secret(), "3205");
        board.take();
    }
    void type(const std::string& digits) {
        for (char d : digits)
            session.KeypadPress(d - '0');
    }
    void guess(const std::string& digits) {
        type(digits);
        session.Guess();
    }
    // The option groups' items as the player clicks them; a change that waits greys its group.
    void chooseDigits(int count) {
        if (session.DigitCountChosen(count)) board.digitGroupEnabled = false;
    }
    void chooseRepeats(bool allowed) {
        if (session.DuplicateChosen(allowed)) board.duplicateGroupEnabled = false;
    }
    bool logIsEmpty() const {
        for (const auto& row : board.log)
            if (!row.first.empty() || !row.second.empty()) return false;
        return true;
    }
};

TEST_F(Session, KeysTypeRefuseClearAndTakeBackAsTheWindowShowsThem) {
    type("12");
    session.KeypadPress(1); // repeated digits are off: refused, clicked, and a reader told
    EXPECT_EQ(board.take(), (Calls{"sound click.wav", "show 1:1", "sound click.wav", "show 2:2",
                                   "sound click.wav", "say 1 is already in your guess"}));
    session.KeypadPress(GameSession::kKeyBack);
    EXPECT_EQ(board.take(), (Calls{"sound clear.wav", "hide 2"}));
    type("345");
    session.KeypadPress(6); // a full entry takes no more
    EXPECT_EQ(board.take().back(), "full");
    session.KeypadPress(GameSession::kKeyClear);
    EXPECT_EQ(board.take(), (Calls{"sound clear.wav", "hide all"}));
    EXPECT_EQ(game.entry(), "");
}

TEST_F(Session, TypingShowsDigitsInTheirSlotsAndAFullEntryIsAnError) {
    type("32");
    EXPECT_EQ(board.slots, (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_EQ(board.digits.substr(0, 2), "32");
    type("32"); // repeats are refused without a word
    EXPECT_EQ(game.entry(), "32");
    EXPECT_TRUE(board.boxes.empty());
    type("10");
    type("9");
    EXPECT_EQ(board.boxes, (std::vector<std::string>{"error:Sorry, you cannot add more number"}));
    EXPECT_EQ(game.entry(), "3210");
    type("9");
    EXPECT_EQ(board.boxes.size(), 2u); // every further press asks again
}

TEST_F(Session, RepeatsFollowTheOptionAtTheTimeOfTyping) {
    settings.Duplicate = true;
    type("77");
    EXPECT_EQ(game.entry(), "77");
    settings.Duplicate = false;
    type("7");
    EXPECT_EQ(game.entry(), "77");
}

TEST_F(Session, ClearAndBackEmptySlots) {
    session.KeypadPress(GameSession::kKeyBack); // nothing typed: nothing changes
    EXPECT_EQ(kNoneVisible, board.slots);
    type("123");
    session.KeypadPress(GameSession::kKeyBack);
    EXPECT_EQ(board.slots, (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_EQ(game.entry(), "12");
    session.KeypadPress(GameSession::kKeyClear);
    EXPECT_EQ(kNoneVisible, board.slots);
    EXPECT_EQ(game.entry(), "");
}

TEST_F(Session, AnIncompleteGuessIsIgnored) {
    guess("123");
    EXPECT_EQ(board.left, 11);
    EXPECT_EQ(board.numbers, 0);
    EXPECT_EQ(board.log[0].first, "");
    EXPECT_EQ(game.entry(), "123");
    EXPECT_TRUE(board.boxes.empty());
    board.take();
    session.Guess(); // said, though, and why
    EXPECT_EQ(board.take(), (Calls{"say Your guess needs 4 digits"}));
}

TEST_F(Session, GuessesAreScoredLoggedAndSaidAWinOrTheLastWrongGuessEndsTheGame) {
    type("3250");
    board.take();
    session.Guess();
    EXPECT_EQ(board.take(),
              (Calls{"score 4/2", "row 0 3250 4/2", "left 10",
                     "say 3250: 4 correct numbers, 2 in place. 10 guesses left", "hide all"}));

    type("3205");
    board.take();
    session.Guess(); // the win is shown with the digits and scores, then the next game
    EXPECT_EQ(board.take(), (Calls{"score 4/4", "win", "new game", "score 0/0", "left 11"}));

    const std::string wrong = game.secret() == "9876" ? "8765" : "9876";
    for (int i = 1; i < 11; ++i)
        guess(wrong);
    type(wrong);
    board.take();
    session.Guess(); // the eleventh: no row left for it, said, then given up
    const Calls last = board.take();
    ASSERT_EQ(last.size(), 8u) << last.size();
    EXPECT_EQ(last[0].rfind("score ", 0), 0u) << last[0];
    EXPECT_EQ(last[1], "left 0");
    EXPECT_EQ(last[2].rfind("say " + wrong + ":", 0), 0u) << last[2];
    EXPECT_EQ(Calls(last.begin() + 3, last.end()),
              (Calls{"loss", "new game", "score 0/0", "left 11", "hide all"}));
}

TEST_F(Session, ElevenWrongGuessesLoseAndTheNextGameStartsEmpty) {
    EXPECT_EQ(board.log.size(), 10u);
    for (int i = 1; i <= 10; ++i) {
        guess("1234"); // against 3205: 2 in common, 1 in place
        EXPECT_EQ(board.left, 11 - i);
        EXPECT_EQ(board.numbers, 2);
        EXPECT_EQ(board.place, 1);
        EXPECT_EQ(board.log[static_cast<std::size_t>(i - 1)],
                  (std::pair<std::string, std::string>{"1234", "2/1"}));
        EXPECT_EQ(kNoneVisible, board.slots);
    }
    EXPECT_EQ(game.guessesLeft(), 1);
    EXPECT_TRUE(board.announcements.empty());
    guess("5678"); // the eleventh: lost, a new game with the same secret follows
    ASSERT_EQ(board.announcements.size(), 1u);
    const SessionBoard::Seen& loss = board.announcements[0];
    EXPECT_FALSE(loss.won);
    EXPECT_EQ(loss.left, 0); // shown as 00 while the loss is announced
    EXPECT_EQ(loss.numbers, 1);
    EXPECT_EQ(loss.secret, "3205");
    EXPECT_EQ(board.left, 11);
    EXPECT_EQ(board.numbers, 0);
    EXPECT_EQ(board.log.size(), 10u);
    EXPECT_TRUE(logIsEmpty());
    EXPECT_TRUE(game.log().empty());
    EXPECT_EQ(kNoneVisible, board.slots);
}

TEST_F(Session, AWinStartsTheNextGame) {
    guess("1234");
    guess("3205");
    ASSERT_EQ(board.announcements.size(), 1u);
    const SessionBoard::Seen& win = board.announcements[0];
    EXPECT_TRUE(win.won);
    // The typed digits and both full scores stay on display while the win is announced.
    EXPECT_EQ(win.numbers, 4);
    EXPECT_EQ(win.place, 4);
    EXPECT_EQ(win.visibleDigits, 4);
    EXPECT_EQ(win.left, 10);
    EXPECT_EQ(board.left, 11);
    EXPECT_EQ(board.numbers, 0);
    EXPECT_EQ(board.place, 0);
    EXPECT_EQ(board.log[0].first, "");
    EXPECT_EQ(game.entry(), "");
}

TEST_F(Session, GiveUpStartsANewGameAtAnyMoment) {
    session.GiveUp(); // before the first guess
    ASSERT_EQ(board.announcements.size(), 1u);
    EXPECT_FALSE(board.announcements[0].won);
    EXPECT_EQ(board.announcements[0].secret, "3205");
    EXPECT_EQ(board.left, 11);
    guess("1234");
    type("56");
    clock.time.millisecond = 346;
    session.GiveUp();
    EXPECT_NE(game.secret(), "3205");
    EXPECT_EQ(game.entry(), "");
    EXPECT_EQ(board.log[0].first, "");
    EXPECT_EQ(board.left, 11);
    EXPECT_EQ(kNoneVisible, board.slots);
}

// The sizes the window then widens for are tested with it; here, the games and the log.
TEST_F(Session, TheDigitOptionSizesTheNextGame) {
    settings.Digit = 6;
    guess("1234"); // the running game keeps its four digits
    EXPECT_EQ(game.digitCount(), 4);
    session.GiveUp();
    EXPECT_EQ(game.digitCount(), 6);
    EXPECT_EQ(board.left, 21);
    EXPECT_EQ(board.log.size(), 20u);
    EXPECT_EQ(board.log[0].first, ""); // the last game's row is emptied
    EXPECT_EQ(board.extraWidth, 64);
    type("012345");
    EXPECT_EQ(board.slots, std::vector<bool>(6, true));

    settings.Digit = 5;
    session.StartNewGame();
    EXPECT_EQ(board.left, 16);
    EXPECT_EQ(board.extraWidth, 32);
    EXPECT_EQ(kNoneVisible, board.slots);

    // A digit count out of range plays the nearest size the game has.
    settings.Digit = 9;
    session.StartNewGame();
    EXPECT_EQ(game.digitCount(), 6);
    EXPECT_EQ(board.log.size(), 20u);
    settings.Digit = -1;
    session.StartNewGame();
    EXPECT_EQ(board.log.size(), 10u);
    EXPECT_EQ(board.left, 11);
}

TEST_F(Session, OptionChangesAskOnceAGuessIsLogged) {
    chooseDigits(4); // the current count again: nothing
    EXPECT_TRUE(board.boxes.empty());
    clock.time.millisecond = 346; // a moment later: another secret when a game is drawn
    chooseRepeats(true);          // nothing logged: a new game at once, no question
    chooseRepeats(false);
    EXPECT_TRUE(board.boxes.empty());
    EXPECT_NE(game.secret(), "3205");
    chooseDigits(5); // nothing logged: a new game at once, no question
    EXPECT_TRUE(board.boxes.empty());
    EXPECT_EQ(game.digitCount(), 5);

    guess("12345");
    const std::string kept = game.secret();
    board.answers = {false};
    chooseDigits(6);
    EXPECT_EQ(board.boxes,
              (std::vector<std::string>{
                  "confirm:Option has been changed.\r\nDo you want to regenerate new numbers ?",
                  "info:The Option will work in the next game"}));
    EXPECT_EQ(game.digitCount(), 5); // the game goes on
    EXPECT_FALSE(board.digitGroupEnabled);
    EXPECT_EQ(settings.Digit, 6); // the new choice is kept for the next game

    // Repeats switched on and answered No: accepted at once while typing.
    board.answers = {false};
    chooseRepeats(true);
    EXPECT_FALSE(board.duplicateGroupEnabled);
    type("77");
    EXPECT_EQ(game.entry(), "77");
    EXPECT_EQ(game.secret(), kept); // No kept the secret through both

    session.GiveUp();
    EXPECT_EQ(game.digitCount(), 6);
    EXPECT_TRUE(board.digitGroupEnabled);
    EXPECT_TRUE(board.duplicateGroupEnabled);
}

TEST_F(Session, AYesWithAPendingDigitCountStartsThatGame) {
    guess("1234");
    board.answers = {false, true};
    chooseDigits(6);     // deferred
    chooseRepeats(true); // Yes: a new game, with the pending count
    EXPECT_EQ(game.digitCount(), 6);
    EXPECT_TRUE(game.log().empty());
    EXPECT_EQ(board.extraWidth, 64);
    EXPECT_TRUE(board.digitGroupEnabled);
}

// Where each panel goes, read as the window would place it: the log first, the options after
// it or in its place, both put back as they were for a wider game.
TEST_F(Session, PanelTogglesPlaceThePanelsAndANewGameKeepsThem) {
    EXPECT_EQ(board.logX, 181); // the first run shows the log
    EXPECT_EQ(board.optionsX, -1);
    EXPECT_EQ(board.width, 328);
    EXPECT_EQ(board.logsItem, "Hide &Logs");
    EXPECT_EQ(board.optionsItem, "Show &Options");

    board.toggles.mOptionsClick(); // pushed right of the log
    EXPECT_EQ(board.optionsX, 327);
    EXPECT_EQ(board.width, 474);
    board.toggles.mLogsClick(); // the options move into the log's place
    EXPECT_EQ(board.logX, -1);
    EXPECT_EQ(board.optionsX, 181);
    EXPECT_EQ(board.logsItem, "Show &Logs");
    EXPECT_FALSE(settings.Logs);
    board.toggles.mLogsClick();
    EXPECT_EQ(board.logX, 181);
    EXPECT_EQ(board.optionsX, 327);

    settings.Digit = 6;
    session.StartNewGame(); // both stay shown, moved right by the extra width
    EXPECT_EQ(board.logX, 245);
    EXPECT_EQ(board.optionsX, 391);
    EXPECT_EQ(board.width, 538);
    EXPECT_TRUE(settings.Logs && settings.Option);
    board.toggles.mLogsClick();
    board.toggles.mOptionsClick();
    session.StartNewGame(); // and both stay hidden
    EXPECT_EQ(board.logX, -1);
    EXPECT_EQ(board.optionsX, -1);
    EXPECT_EQ(board.width, 246);
    EXPECT_EQ(board.optionsItem, "Show &Options");
}

// Stored numbers are brought into the range the game plays with as they are read.
TEST(SettingsTable, StoredNumbersAreBroughtIntoThePlayableRange) {
    const game::SettingField& digit = game::kSettingFields[2];
    ASSERT_STREQ(digit.name, "Digit");
    EXPECT_EQ(digit.playable(7), 6);
    EXPECT_EQ(digit.playable(2), 4);
    EXPECT_EQ(digit.playable(5), 5);
    EXPECT_EQ(game::kSettingFields[0].playable(-5000), -5000); // a place may be anywhere
}

} // namespace
