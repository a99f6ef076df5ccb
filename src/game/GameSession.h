// The play flow of the main window, as plain C++: what a key of the keypad, a guess, giving
// up, an option change and a new game do to the game in progress, and what the player is then
// shown, told and asked. The window forwards its handlers here and implements SessionView,
// through which the session reaches the displays, the sounds, the dialogs and the screen
// reader.
#pragma once

#include "game/GameState.h"
#include "game/Settings.h"

#include <string>

namespace game {

class SessionView {
public:
    virtual ~SessionView() = default;
    virtual void PlaySoundByName(const std::string& fileName) = 0;
    virtual void showEntryDigit(int slot, int digit) = 0; // slot 1 to 6
    virtual void hideEntryDigit(int slot) = 0;
    virtual void hideAllEntryDigits() = 0;
    virtual void showScore(const Score& score) = 0;
    virtual void showGuessesLeft(int left) = 0;
    // A row of the tries log: the guess and its score as "number/place". A losing guess
    // finds no row left for it, and is not written.
    virtual void writeLogRow(int row, const std::string& guess, const std::string& score) = 0;
    virtual void say(const std::string& text) = 0; // to a screen reader, at once
    virtual void refuseFullEntry() = 0;            // the box of an entry that takes no more
    virtual void AnnounceWin() = 0;                // each returns once the player has seen it
    virtual void AnnounceLoss() = 0;
    virtual bool confirmOptionChange() = 0; // whether to start anew for a changed option
    virtual void tellOptionWaitsForNextGame() = 0;

    // The steps of a new game that are the window's own.
    virtual void restartMusicInterval() = 0;
    virtual void resetEntryDisplays() = 0; // hidden, and back to 0
    virtual void enableOptionGroups() = 0;
    // The log sized for the new game, with the rows the last game wrote emptied.
    virtual void resizeLog(int rows, int rowsToEmpty) = 0;
    virtual void fitGamePanel(int digitCount) = 0; // its width and its "?" marks
    virtual void RefreshPanels() = 0;
};

class GameSession {
public:
    static constexpr int kKeyClear = 10;
    static constexpr int kKeyBack = 11;

    GameSession(GameState& game, TSettings& settings, SessionView& view)
        : game_(game)
        , settings_(settings)
        , view_(view) {}

    void KeypadPress(int key); // a digit, kKeyClear or kKeyBack
    void Guess();
    void GiveUp(); // the loss told, and the next game started
    void StartNewGame();
    // The options the player picks. Each returns whether the change waits for the next game,
    // when the window greys its option until then; otherwise it took effect now (a new game
    // began) or changed nothing.
    bool DigitCountChosen(int digitCount);
    bool DuplicateChosen(bool allowed);

private:
    bool OptionChanged();

    GameState& game_;
    TSettings& settings_;
    SessionView& view_;
};

} // namespace game
