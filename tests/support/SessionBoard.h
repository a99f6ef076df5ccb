// The window as the play flow and the panel toggles see it, without widgets: a SessionView and
// PanelView that keep what a window would show (the entry slots, the displays, the log, the
// panels and their captions, the boxes asked and the win and loss announced) and write down
// every call in order. It does what the window does with the settings' panel flags.
#pragma once

#include "game/GameSession.h"
#include "game/Messages.h"
#include "game/PanelLayout.h"
#include "game/PanelToggles.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

class SessionBoard final : public game::SessionView, public game::PanelView {
public:
    SessionBoard(const game::GameState& game, game::TSettings& settings)
        : toggles(settings, *this)
        , game_(game)
        , settings_(settings) {}

    struct Seen { // what was on display as a win or a loss was announced
        bool won = false;
        int left = 0, numbers = 0, place = 0, visibleDigits = 0;
        std::string secret;
    };

    std::vector<std::string> calls;
    std::vector<bool> slots = std::vector<bool>(6, false); // the entry digits shown
    std::string digits = "000000";                         // what each entry display holds
    int left = 0, numbers = 0, place = 0;
    std::vector<std::pair<std::string, std::string>> log; // the grid's rows
    int extraWidth = 0;
    bool digitGroupEnabled = true, duplicateGroupEnabled = true; // greyed while a change waits
    std::vector<std::string> boxes; // "error:", "confirm:" or "info:" and the text
    std::deque<bool> answers;       // to the option questions; No when none is left
    std::vector<Seen> announcements;
    int logX = -1, optionsX = -1; // the panels' left edges, -1 while hidden
    std::string logsItem, optionsItem;

    void PlaySoundByName(const std::string& file) override { note("sound " + file); }
    void showEntryDigit(int slot, int digit) override {
        note("show " + std::to_string(slot) + ":" + std::to_string(digit));
        slots.at(static_cast<std::size_t>(slot - 1)) = true;
        digits.at(static_cast<std::size_t>(slot - 1)) = static_cast<char>('0' + digit);
    }
    void hideEntryDigit(int slot) override {
        note("hide " + std::to_string(slot));
        slots.at(static_cast<std::size_t>(slot - 1)) = false;
    }
    void hideAllEntryDigits() override {
        note("hide all");
        slots.assign(6, false);
    }
    void showScore(const game::Score& s) override {
        note("score " + game::scoreText(s));
        numbers = s.correctNumber;
        place = s.correctPlace;
    }
    void showGuessesLeft(int guessesLeft) override {
        note("left " + std::to_string(guessesLeft));
        left = guessesLeft;
    }
    void writeLogRow(int row, const std::string& guess, const std::string& score) override {
        note("row " + std::to_string(row) + " " + guess + " " + score);
        log.at(static_cast<std::size_t>(row)) = {guess, score};
    }
    void say(const std::string& text) override { note("say " + text); }
    void refuseFullEntry() override {
        note("full");
        boxes.push_back(std::string("error:") + game::kFullEntryMessage);
    }
    void AnnounceWin() override { announce(true); }
    void AnnounceLoss() override { announce(false); }
    bool confirmOptionChange() override {
        note("asked");
        boxes.push_back(std::string("confirm:") + game::kOptionChanged);
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void tellOptionWaitsForNextGame() override {
        note("waits");
        boxes.push_back(std::string("info:") + game::kOptionNextGame);
    }
    void restartMusicInterval() override { note("new game"); } // a new game's first step
    void resetEntryDisplays() override {
        slots.assign(6, false);
        digits = "000000";
    }
    void enableOptionGroups() override { digitGroupEnabled = duplicateGroupEnabled = true; }
    void resizeLog(int rows, int rowsToEmpty) override {
        log.resize(static_cast<std::size_t>(rows));
        for (int row = 0; row < std::min(rows, rowsToEmpty); ++row)
            log[static_cast<std::size_t>(row)] = {};
    }
    void fitGamePanel(int digitCount) override { extraWidth = game::extraWidthFor(digitCount); }
    void RefreshPanels() override { toggles.RefreshPanels(); }

    void ShowLogPanel(int x) override {
        settings_.Logs = true;
        logX = x + extraWidth;
    }
    void ShowOptionsPanel(int x) override {
        settings_.Option = true;
        optionsX = x + extraWidth;
    }
    void HideLogPanel() override {
        settings_.Logs = false;
        logX = -1;
    }
    void HideOptionsPanel() override {
        settings_.Option = false;
        optionsX = -1;
    }
    void captionLogsItem(bool shown) override { logsItem = shown ? "Hide &Logs" : "Show &Logs"; }
    void captionOptionsItem(bool shown) override {
        optionsItem = shown ? "Hide &Options" : "Show &Options";
    }
    void applyWindowWidth() override {
        width = game::windowWidth(settings_.Logs, settings_.Option, extraWidth);
    }
    int width = 0;
    game::PanelToggles toggles; // the window's, over this board

    std::vector<std::string> take() { return std::exchange(calls, {}); }

private:
    void note(std::string call) { calls.push_back(std::move(call)); }
    void announce(bool won) {
        note(won ? "win" : "loss");
        Seen seen{won, left, numbers, place, 0, game_.secret()};
        for (bool shown : slots)
            seen.visibleDigits += shown;
        announcements.push_back(seen);
    }

    const game::GameState& game_;
    game::TSettings& settings_;
};

} // namespace testing_support
