#include "game/GameSounds.h"

#include "platform/system/Clock.h"

#include <QLocale>
#include <QTimer>
#include <optional>
#include <utility>

namespace game {

GameSounds::GameSounds()
    : tick_(platform::tickCount) {}

// Each player opens its file while the window is built; a file that cannot be opened stops
// the window from being built at all.
void GameSounds::open() {
    mpSound.Open(QStringLiteral("click.wav"));
    mpClear.Open(QStringLiteral("clear.wav"));
    mpWin.Open(QStringLiteral("win.wav"));
    mpLose.Open(QStringLiteral("lose.wav"));
    mpMusic.Open(QStringLiteral("cheers.mid"));
}

void GameSounds::playEffect(const QString& fileName) {
    const QString name = QLocale::system().toLower(fileName);
    const std::pair<QLatin1StringView, platform::TMediaPlayer*> players[] = {
        {QLatin1StringView("click.wav"), &mpSound},
        {QLatin1StringView("win.wav"), &mpWin},
        {QLatin1StringView("lose.wav"), &mpLose},
        {QLatin1StringView("clear.wav"), &mpClear}};
    for (const auto& [file, player] : players) {
        if (name == file) {
            player->Play();
            return;
        }
    }
}

void GameSounds::startMusic(bool musicOn) {
    if (!musicOn) return;
    mpMusic.Play();
    musicClock_.started(tick_());
    armMusicTimer(musicOn);
}

void GameSounds::newGame(bool musicOn) {
    running_ = true; // the timer's interval starts anew
    origin_ = tick_();
    armMusicTimer(musicOn);
}

// Music-off time does not count toward the restart.
void GameSounds::musicSwitched(bool on) {
    if (on) {
        musicClock_.switchedOn(tick_());
        mpMusic.Resume();
    } else {
        musicClock_.switchedOff(tick_());
        mpMusic.Pause();
    }
    armMusicTimer(on);
}

// The test is made again here: the timer may have been armed for a moment that has moved.
void GameSounds::timerFired(bool musicOn) {
    const std::uint32_t now = tick_();
    if (musicClock_.restartDue(now, musicOn)) {
        mpMusic.Play(); // a piece that has ended starts from the beginning
        musicClock_.restarted(now);
    }
    armMusicTimer(musicOn);
}

// The timer's ticks lie on a 10 ms grid from the last new game; it wakes only on the first of
// them at which the music can be due.
void GameSounds::armMusicTimer(bool musicOn) {
    if (!running_ || !timer_) return;
    const std::uint32_t now = tick_();
    const std::optional<std::uint32_t> due = musicClock_.nextActingTick(origin_, now, musicOn);
    if (!due) {
        timer_->stop();
        return;
    }
    timer_->start(static_cast<int>(*due - now));
}

platform::TMediaPlayer& GameSounds::player(Player which) {
    switch (which) {
    case Player::Sound:
        return mpSound;
    case Player::Clear:
        return mpClear;
    case Player::Win:
        return mpWin;
    case Player::Lose:
        return mpLose;
    case Player::Music:
        break;
    }
    return mpMusic;
}

} // namespace game
