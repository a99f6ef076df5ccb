#include "game/uMain.h"
#include "platform/audio/MediaPlayer.h"
#include "platform/system/Shell.h"
#include "platform/widgets/StdCtrls.h"
#include "support/Fakes.h"
#include "support/ScratchConfig.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using game::TfMain;
using platform::EMCIDeviceError;
using platform::TMediaPlayer;
using Mode = TMediaPlayer::Mode;
using namespace testing_support;

namespace {

std::string openFailure(const QString& fileName) {
    TMediaPlayer player;
    try {
        player.Open(fileName);
    } catch (const EMCIDeviceError& e) {
        return e.what();
    }
    return {};
}

// A tune of one half-second note, at MIDI's default tempo; the synthesiser's player lets it
// ring on for about two seconds more.
QString writeShortTune(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("short.mid"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {};
    file.write(QByteArray::fromHex("4d546864 00000006 0000 0001 0060"      // one track, 96 a beat
                                   "4d54726b 0000000c 00 903c64 60 803c40" // a beat of middle C
                                   "00 ff2f00"));                          // the end
    return path;
}

} // namespace

// On SDL's silent output, which plays in real time: "win.wav" lasts 1.6 s.
TEST(MediaPlayer, PlayLetsAClipGoOnAndStartsAFinishedOneAgain) {
    TMediaPlayer player;
    EXPECT_THROW(player.Play(), EMCIDeviceError); // "No MCI device open"
    player.Open(QStringLiteral("win.wav"));
    platform::startAudio(); // no window to wait for
    EXPECT_EQ(player.mode(), Mode::Stopped);
    player.Play();
    EXPECT_EQ(player.mode(), Mode::Playing);
    QTest::qWait(1000);
    player.Play(); // still playing: it goes on, not from the start
    QTest::qWait(900);
    EXPECT_EQ(player.mode(), Mode::Stopped); // a restart would still be playing
    player.Play();
    EXPECT_EQ(player.mode(), Mode::Playing);

    player.Pause();
    EXPECT_EQ(player.mode(), Mode::Paused);
    player.Pause(); // a second pause resumes
    EXPECT_EQ(player.mode(), Mode::Playing);
    player.Pause();
    player.Resume();
    EXPECT_EQ(player.mode(), Mode::Playing);
    EXPECT_TRUE(player.lastError().isEmpty());
    player.Close();
    EXPECT_EQ(player.mode(), Mode::NotReady);
}

// Where no sound device opens, the output falls back to SDL's silent driver by a hint: the
// environment, which other threads read as they paint and programs started later inherit, is
// left as it was.
TEST(MediaPlayer, WithoutASoundDeviceItPlaysSilentlyAndLeavesTheEnvironmentAlone) {
    const QByteArray before = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    {
        TMediaPlayer player;
        player.Open(QStringLiteral("win.wav"));
        platform::startAudio();
        player.Play();
        EXPECT_EQ(player.mode(), Mode::Playing);
        EXPECT_TRUE(player.lastError().isEmpty()) << player.lastError().toStdString();
    }
    EXPECT_EQ(qgetenv("SDL_AUDIODRIVER"), "no-such-driver");
    qputenv("SDL_AUDIODRIVER", before);
}

// The tune stands still while paused, is seen to end, and a Play after its end starts it from
// its beginning.
TEST(MediaPlayer, ATuneHoldsWhilePausedEndsAndStartsAgainFromItsBeginning) {
    QTemporaryDir dir;
    TMediaPlayer player;
    player.Open(writeShortTune(dir));
    platform::startAudio();
    player.Play();
#ifdef _WIN32
    // There the system's own synthesiser plays MIDI, and a machine may have none (Wine without
    // a sequencer): the tune is then silent by design, with this error once it has loaded.
    if (QTest::qWaitFor(
            [&] { return player.lastError() == QStringLiteral("No MIDI output device"); }, 2000))
        GTEST_SKIP() << "this machine has no MIDI output device";
#endif
    EXPECT_EQ(player.mode(), Mode::Playing);
    player.Pause();
    EXPECT_EQ(player.mode(), Mode::Paused);
    QTest::qWait(3500); // longer than the tune: it would have ended, had it gone on
    player.Resume();
    EXPECT_EQ(player.mode(), Mode::Playing);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.mode() == Mode::Stopped; }, 10000));
    player.Play();
    QTest::qWait(300); // a tune started at its end would be over by now
    EXPECT_EQ(player.mode(), Mode::Playing);
    EXPECT_TRUE(player.lastError().isEmpty()) << player.lastError().toStdString();
}

TEST(MediaPlayer, AFileThatCannotBeOpenedSaysWhy) {
    QTemporaryDir dir;
    const QString notAudio = dir.filePath(QStringLiteral("notes.wav"));
    QFile file(notAudio);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("these are words, not sound");
    file.close();
    EXPECT_NE(openFailure(notAudio).find("notes.wav: "), std::string::npos);
    const std::string missing = openFailure(QStringLiteral("missing.wav"));
    EXPECT_NE(missing.find("missing.wav"), std::string::npos) << missing;
    EXPECT_NE(missing.find("Couldn't open"), std::string::npos) << missing;
}

namespace {

class Sound : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<TfMain>(clock);
        window->buildOptionsPanel(); // the tests choose its items without showing it
        window->setTickSource([this] { return tick; });
        window->show();
    }
    Mode mode(TfMain::Player which) const { return window->player(which).mode(); }
    std::vector<Mode> effects() const {
        return {mode(TfMain::Player::Sound), mode(TfMain::Player::Clear), mode(TfMain::Player::Win),
                mode(TfMain::Player::Lose)};
    }
    void press(const char* name) {
        window->findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    }

    ScratchConfig config;
    FixedClock clock{kSeed12345};
    FakeDialogs dialogs;
    std::uint32_t tick = 5000;
    std::unique_ptr<TfMain> window;
};

const std::vector<Mode> kQuiet(4, Mode::Stopped);

} // namespace

TEST_F(Sound, EachNameSoundsItsOwnEffectWhileSoundIsOn) {
    window->PlaySoundByName(QStringLiteral("unknown.wav"));
    EXPECT_EQ(effects(), kQuiet);
    window->PlaySoundByName(QStringLiteral("CLICK.WAV"));
    EXPECT_EQ(mode(TfMain::Player::Sound), Mode::Playing);
    window->PlaySoundByName(QStringLiteral("lose.wav"));
    window->PlaySoundByName(QStringLiteral("Win.wav"));
    EXPECT_EQ(mode(TfMain::Player::Lose), Mode::Playing); // effects sound together
    EXPECT_EQ(mode(TfMain::Player::Win), Mode::Playing);
    EXPECT_EQ(mode(TfMain::Player::Clear), Mode::Stopped);

    window->findChild<platform::TRadioGroup*>(QStringLiteral("rgSound"))->setItemIndex(1);
    EXPECT_FALSE(window->Settings.Sound);
    EXPECT_EQ(mode(TfMain::Player::Win), Mode::Playing); // a sound already playing finishes
    QTest::qWait(150);
    window->PlaySoundByName(QStringLiteral("clear.wav"));
    window->PlaySoundByName(QStringLiteral("click.wav"));
    EXPECT_EQ(mode(TfMain::Player::Clear), Mode::Stopped);
    EXPECT_EQ(mode(TfMain::Player::Sound), Mode::Stopped);
}

TEST_F(Sound, ARefusedDigitStillClicks) {
    // A click as long as "win.wav", found first in the current folder: the real one is
    // shorter than one mix, so its end may come before the test can look.
    QTemporaryDir folder;
    ASSERT_TRUE(QFile::copy(platform::locateFile(QStringLiteral("win.wav")),
                            QDir(folder.path()).filePath(QStringLiteral("click.wav"))));
    const QString here = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    window = std::make_unique<TfMain>(clock);
    QDir::setCurrent(here);
    window->buildOptionsPanel();
    window->show();
    auto* sound = window->findChild<platform::TRadioGroup*>(QStringLiteral("rgSound"));

    sound->setItemIndex(1); // silent digits: no click goes on playing
    for (const char* key : {"sb1", "sb2", "sb3", "sb4"})
        press(key);
    EXPECT_EQ(mode(TfMain::Player::Sound), Mode::Stopped);
    sound->setItemIndex(0);
    press("sb5"); // the entry is full
    EXPECT_EQ(mode(TfMain::Player::Sound), Mode::Playing);
    EXPECT_EQ(dialogs.shown.size(), 1);
}

TEST_F(Sound, TheMusicStartsAtTheFirstShowAndComesBackEvery152Seconds) {
    // Where nothing can play MIDI (a Windows without a synthesiser) the tune is silent and
    // says why; its clock keeps time all the same.
    const bool tune = platform::midiOutputAvailable();
    const Mode playing = tune ? Mode::Playing : Mode::Stopped;
    EXPECT_EQ(window->musicClock().musicStartTick, 5000u);
    QTimer* timer = window->musicTimer();
    ASSERT_TRUE(timer->isActive());
    // The grid runs from 5000: the first tick past 5000 + 152 000 is 157 010.
    EXPECT_NEAR(timer->remainingTime(), 152010, 50);
    if (!tune) { // a Play asked for while loading shows as playing until the load has failed
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return mode(TfMain::Player::Music) == Mode::Stopped; }));
    }
    EXPECT_EQ(mode(TfMain::Player::Music), playing);
    EXPECT_EQ(window->player(TfMain::Player::Music).lastError(),
              tune ? QString() : QStringLiteral("No MIDI output device"));

    tick = 157010;
    window->tPlayTimer();
    EXPECT_EQ(window->musicClock().musicStartTick, 157010u);

    auto* music = window->findChild<platform::TRadioGroup*>(QStringLiteral("rgMusic"));
    tick = 200000;
    music->setItemIndex(1); // off: paused, and the timer sleeps
    EXPECT_EQ(mode(TfMain::Player::Music), tune ? Mode::Paused : Mode::Stopped);
    EXPECT_FALSE(timer->isActive());
    tick = 230000;
    music->setItemIndex(1); // the selected item again: nothing
    music->setItemIndex(0);
    EXPECT_EQ(mode(TfMain::Player::Music), playing);
    EXPECT_EQ(window->musicClock().musicPausedTotal, 30000u);
    EXPECT_TRUE(timer->isActive());
}

TEST(SoundFiles, AMissingFileStopsTheWindowFromBeingBuilt) {
    QTemporaryDir elsewhere;
    const QString here = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    // The runtime folder is found beside the executable; a "click.wav" of words comes first.
    QFile file(QStringLiteral("click.wav"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a sound");
    file.close();
    ScratchConfig config;
    FixedClock clock;
    std::string failure;
    try {
        TfMain window(clock);
    } catch (const EMCIDeviceError& e) {
        failure = e.what();
    }
    QDir::setCurrent(here);
    EXPECT_EQ(failure.rfind("click.wav: ", 0), 0u) << failure;
}
