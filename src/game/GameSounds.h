// The game's sounds: the four effects and the music, each a media player opened on its file
// as the window is built (the files checked meanwhile, on a thread of their own), and when the
// music plays: from the first game while it is on, and again whenever the piece is due
// (MusicClock), its off time not counted. The window's timer (tPlay) wakes it; it arms the timer
// for the first moment the music can be due.
#pragma once

#include "game/MusicClock.h"
#include "platform/audio/MediaPlayer.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <future>
#include <vector>

class QTimer;

namespace game {

class GameSounds {
public:
    enum class Player { Sound, Clear, Win, Lose, Music };

    GameSounds();
    // Starts checking the files, on a thread of its own, while the window is built.
    void startChecking();
    // Opens each player on its file, once checked; a file that cannot be opened throws.
    void open();
    void attachTimer(QTimer* timer) { timer_ = timer; }
    // The tick count the music timing reads; tests give their own.
    void setTickSource(std::function<std::uint32_t()> source) { tick_ = std::move(source); }
    std::uint32_t now() const { return tick_(); }

    // An effect by its file's name (any case): "click.wav", "clear.wav", "win.wav", "lose.wav".
    void playEffect(const QString& fileName);
    void startMusic(bool musicOn); // at the first show
    void newGame(bool musicOn);    // the music's interval starts anew
    void musicSwitched(bool on);   // paused or resumed where it was
    void timerFired(bool musicOn); // the piece again, if it is due

    platform::TMediaPlayer& player(Player which);
    const MusicClock& musicClock() const { return musicClock_; }

private:
    void armMusicTimer(bool musicOn);
    std::future<std::vector<QString>> checks_; // what is wrong with each file, in order

    platform::TMediaPlayer mpSound; // "click.wav"
    platform::TMediaPlayer mpClear;
    platform::TMediaPlayer mpWin;
    platform::TMediaPlayer mpLose;
    platform::TMediaPlayer mpMusic; // "cheers.mid"
    QTimer* timer_ = nullptr;
    bool running_ = false; // from the first new game on
    std::uint32_t origin_ = 0;
    MusicClock musicClock_;
    std::function<std::uint32_t()> tick_;
};

} // namespace game
