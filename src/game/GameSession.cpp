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
        view_.StartNewGame();
        return;
    }
    // The earlier rows of this game; a losing guess finds no row left for it in the grid.
    const int row = static_cast<int>(game_.log().size()) - 1;
    if (row < logCapacity(game_.digitCount()))
        view_.writeLogRow(row, game_.log().back().guess,
                          std::to_string(outcome.score.correctNumber) + '/' +
                              std::to_string(outcome.score.correctPlace));
    view_.showGuessesLeft(game_.guessesLeft());
    view_.say(scoreSentence(guess, outcome.score.correctNumber, outcome.score.correctPlace) + ". " +
              guessesLeftSentence(game_.guessesLeft()));
    if (outcome.kind == GuessKind::Lost) view_.GiveUp();
    view_.hideAllEntryDigits();
}

// A changed option starts a new game at once while nothing is logged; later, only if the
// player agrees, or else with the next game.
bool GameSession::OptionChanged() {
    if (game_.log().empty() || view_.confirmOptionChange()) {
        view_.StartNewGame();
        return true;
    }
    view_.tellOptionWaitsForNextGame();
    return false;
}

} // namespace game
