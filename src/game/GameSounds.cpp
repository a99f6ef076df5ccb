#include "game/GameSounds.h"

#include "platform/system/Clock.h"

#include <QLocale>
#include <QTimer>
#include <array>
#include <optional>
#include <utility>

namespace game {

GameSounds::GameSounds()
    : tick_(platform::tickCount) {}

namespace {
// The players' files, in the order they open.
constexpr std::array<std::pair<GameSounds::Player, const char*>, 5> kFiles{{
    {GameSounds::Player::Sound, "click.wav"},
    {GameSounds::Player::Clear, "clear.wav"},
    {GameSounds::Player::Win, "win.wav"},
    {GameSounds::Player::Lose, "lose.wav"},
    {GameSounds::Player::Music, "cheers.mid"},
}};
} // namespace

void GameSounds::startChecking() {
    checks_ = std::async(std::launch::async, [] {
        std::vector<QString> errors;
        for (const auto& [which, file] : kFiles)
            errors.push_back(platform::TMediaPlayer::Check(QString::fromLatin1(file)));
        return errors;
    });
}

// Each player opens its file as the window is built; a file that cannot be opened stops the
// window from being built at all. The first file in order that cannot be opened throws, as it
// would opening them one by one; unchecked, each is checked as it opens.
void GameSounds::open() {
    const std::vector<QString> errors = checks_.valid() ? checks_.get() : std::vector<QString>{};
    for (std::size_t i = 0; i < kFiles.size(); ++i) {
        const bool checked = i < errors.size();
        if (checked && !errors[i].isEmpty())
            throw platform::EMCIDeviceError(errors[i].toStdString());
        player(kFiles[i].first).Open(QString::fromLatin1(kFiles[i].second), checked);
    }
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
