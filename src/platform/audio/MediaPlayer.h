// TMediaPlayer: one sound file and the operations the game asks of a media player. Opening
// finds the file and decodes it at once, failing with EMCIDeviceError naming the file when
// it is missing, unreadable or not audio; Play returns at once, lets a clip that is still
// playing go on, and starts a finished clip again from the beginning; Pause toggles; Resume
// falls back to Play. Effects (WAV) each have a channel of their own, so they sound together;
// MIDI goes to the mixer's music stream as a MusicTrack: synthesised by FluidSynth, with the
// instruments of our own SoundFont "brainlock.sf2" (the system's default one when it is
// missing); on Windows, played on the system's own synthesiser.
//
// Behind the players, one audio output for the process (platform/AudioOutput): silent (SDL's
// dummy output) on a machine without sound, and paused while nothing sounds, so an idle game
// does not wake for audio. Opening the output, converting the effects to its format and
// loading the soundfont take a while, so they run in order on worker threads once startAudio()
// says the window is on screen; a Play asked for before its player is ready plays as soon as
// it is.
#pragma once

#include <QString>
#include <future>
#include <memory>
#include <stdexcept>

struct Mix_Chunk;

namespace platform {

class MusicTrack;

class EMCIDeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TMediaPlayer {
public:
    enum class Mode { NotReady, Stopped, Playing, Paused };

    TMediaPlayer();
    ~TMediaPlayer();
    TMediaPlayer(const TMediaPlayer&) = delete;
    TMediaPlayer& operator=(const TMediaPlayer&) = delete;

    // Finds the file as the program's other files are found and checks that it decodes: what
    // is wrong with it, or nothing when it will open. Any thread may check.
    static QString Check(const QString& fileName);
    // Opens the file, checking it first unless Check has found nothing wrong with it: one
    // that will not decode throws.
    void Open(const QString& fileName, bool checked = false);
    void Play();
    void Pause();
    void Resume();
    void Close();

    Mode mode();
    QString fileName() const { return fileName_; }
    // The last device error of Play, Pause or Resume; empty when none.
    QString lastError() const { return lastError_; }

    // What the worker makes of the file.
    struct Loaded {
        Mix_Chunk* chunk = nullptr;
        std::shared_ptr<MusicTrack> music;
        QString error;
    };

private:
    static Loaded load(const QByteArray& path, bool midi);
    void requireOpen() const;
    bool ready() const;
    void takeLoaded(); // waits for the worker; runs a Play asked for meanwhile
    bool isMusic() const { return music_ != nullptr; }
    Mode mixerMode() const;

    QString fileName_;
    bool open_ = false;
    std::shared_future<Loaded> loading_;
    bool loaded_ = false;
    // What was asked while the player was not ready: to play, or to play and pause at once.
    enum class Pending { None, Play, Paused };
    Pending pending_ = Pending::None;
    std::shared_ptr<TMediaPlayer*> self_; // lets a posted "ready" find a live player
    Mix_Chunk* chunk_ = nullptr;
    std::shared_ptr<MusicTrack> music_;
    int channel_ = -1;
    QString lastError_;
};

// Lets the audio output open and the players load; until then they only queue their work.
// Anything that has to wait for a player starts it too.
void startAudio();

// Whether there is anything to play MIDI on: false only on a Windows without a MIDI output
// device, where the music player's load fails with "No MIDI output device".
bool midiOutputAvailable();

} // namespace platform
