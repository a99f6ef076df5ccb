// TMediaPlayer: one sound file and the operations the game asks of a media player. Opening
// reads and decodes the file at once and fails with EMCIDeviceError naming the file; Play
// returns at once, lets a clip that is still playing go on, and starts a finished clip
// again from the beginning; Pause toggles; Resume falls back to Play. Effects (WAV) each
// have a mixer channel of their own, so they sound together; MIDI goes to the mixer's music
// stream through FluidSynth and the General MIDI soundfont. Behind them, one audio output
// for the process: opened with the first player, silent (SDL's dummy output) on a machine
// without sound, and paused while nothing sounds, so an idle game does not wake for audio.
#pragma once

#include <QString>
#include <stdexcept>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace platform {

class EMCIDeviceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TMediaPlayer {
public:
    enum class Mode { NotReady, Stopped, Playing, Paused };

    TMediaPlayer() = default;
    ~TMediaPlayer();
    TMediaPlayer(const TMediaPlayer&) = delete;
    TMediaPlayer& operator=(const TMediaPlayer&) = delete;

    // Finds the file as the program's other files are found, then opens and decodes it.
    void Open(const QString& fileName);
    void Play();
    void Pause();
    void Resume();
    void Close();

    Mode mode() const;
    QString fileName() const { return fileName_; }
    // The last device error of Play, Pause or Resume; empty when none.
    QString lastError() const { return lastError_; }

private:
    void requireOpen() const;
    bool isMusic() const { return music_ != nullptr; }

    QString fileName_;
    Mix_Chunk* chunk_ = nullptr;
    Mix_Music* music_ = nullptr;
    int channel_ = -1;
    QString lastError_;
};

// Whether the process's audio output is the silent stand-in (no sound device was found).
bool audioIsSilent();

} // namespace platform
