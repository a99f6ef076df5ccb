// The play flow of the main window, as plain C++: what a key of the keypad, a guess and an
// option change do to the game in progress, and what the player is then shown, told and
// asked. The window forwards its handlers here and implements SessionView, through which
// the session reaches the displays, the sounds, the dialogs and the screen reader.
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
    virtual void GiveUp() = 0;                     // the loss told, and the next game started
    virtual void StartNewGame() = 0;
    virtual bool confirmOptionChange() = 0; // whether to start anew for a changed option
    virtual void tellOptionWaitsForNextGame() = 0;
};

class GameSession {
public:
    static constexpr int kKeyClear = 10;
    static constexpr int kKeyBack = 11;

    GameSession(GameState& game, const TSettings& settings, SessionView& view)
        : game_(game)
        , settings_(settings)
        , view_(view) {}

    void KeypadPress(int key); // a digit, kKeyClear or kKeyBack
    void Guess();
    // A changed digit count or repeat rule: whether it took effect now (a new game began);
    // if not, it waits for the next game and the window greys its option until then.
    bool OptionChanged();

private:
    GameState& game_;
    const TSettings& settings_;
    SessionView& view_;
};

} // namespace game
