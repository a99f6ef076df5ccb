#include "game/GameSession.h"

#include "game/SpokenText.h"

#include <optional>

namespace game {

void GameSession::KeypadPress(int key) {
    if (key >= 0 && key <= 9) {
        view_.PlaySoundByName("click.wav"); // also when the digit is then refused
        const EntryResult result = game_.AddDigit(key, settings_.Duplicate);
        switch (result.kind) {
        case EntryKind::Full:
            view_.refuseFullEntry();
            break;
        case EntryKind::Repeated: // silent to the eye and the ear; a reader is told
            view_.say(repeatedDigitSentence(key));
            break;
        case EntryKind::Added:
            view_.showEntryDigit(result.slot, key);
            break;
        }
    } else if (key == kKeyClear) {
        view_.PlaySoundByName("clear.wav");
        game_.ClearEntry();
        view_.hideAllEntryDigits();
    } else if (key == kKeyBack) {
        view_.PlaySoundByName("clear.wav");
        if (const std::optional<int> emptied = game_.DeleteLastDigit())
            view_.hideEntryDigit(*emptied);
    }
}

void GameSession::Guess() {
    const std::string guess = game_.entry();
    const GuessOutcome outcome = game_.SubmitGuess();
    if (outcome.kind == GuessKind::Incomplete) {
        view_.say(shortGuessSentence(game_.digitCount()));
        return;
    }
    view_.showScore(outcome.score);
    if (outcome.kind == GuessKind::Won) {
        view_.AnnounceWin();
        StartNewGame();
        return;
    }
    // The earlier rows of this game; a losing guess finds no row left for it in the grid.
    const int row = static_cast<int>(game_.log().size()) - 1;
    if (row < logCapacity(game_.digitCount()))
        view_.writeLogRow(row, game_.log().back().guess, game_.log().back().score);
    view_.showGuessesLeft(game_.guessesLeft());
    view_.say(scoreSentence(guess, outcome.score.correctNumber, outcome.score.correctPlace) + ". " +
              guessesLeftSentence(game_.guessesLeft()));
    if (outcome.kind == GuessKind::Lost) GiveUp();
    view_.hideAllEntryDigits();
}

void GameSession::GiveUp() {
    view_.AnnounceLoss();
    StartNewGame();
}

void GameSession::StartNewGame() {
    view_.restartMusicInterval();
    view_.resetEntryDisplays();
    view_.showScore({0, 0});
    view_.enableOptionGroups(); // a deferred option change takes effect now

    // Rows the finished game wrote; the new game's size comes from its own digit count,
    // which NewGame keeps to 4..6.
    const int rowsUsed = static_cast<int>(game_.log().size());
    game_.NewGame(settings_.Digit, settings_.Duplicate);
    view_.resizeLog(logCapacity(game_.digitCount()), rowsUsed);
    view_.showGuessesLeft(game_.guessesLeft());
    view_.fitGamePanel(game_.digitCount());
    view_.RefreshPanels();
}

bool GameSession::DigitCountChosen(int digitCount) {
    settings_.Digit = digitCount;
    if (game_.digitCount() == 0 || digitCount == game_.digitCount()) return false;
    return !OptionChanged();
}

bool GameSession::DuplicateChosen(bool allowed) {
    if (allowed == settings_.Duplicate) return false;
    settings_.Duplicate = allowed;
    return !OptionChanged();
}

// A changed option starts a new game at once while nothing is logged; later, only if the
// player agrees, or else with the next game.
bool GameSession::OptionChanged() {
    if (game_.log().empty() || view_.confirmOptionChange()) {
        StartNewGame();
        return true;
    }
    view_.tellOptionWaitsForNextGame();
    return false;
}

} // namespace game
