// MusicTrack: the piece of music a media player plays on the mixer's music stream: played once
// from the beginning, paused and resumed where it stands, and halted when the track goes.
// Where the build rendered the tune ahead of time from the same MIDI file and SoundFont, the
// mixer streams that FLAC file (TuneSource): the same samples as the synthesiser's, for a fifth
// of the processor time. Otherwise, where FluidSynth is at hand, it synthesises the tune with
// settings of our own (SynthMusic); elsewhere, and should that not load, SDL_mixer plays the
// file itself (on Windows, on the system's own synthesiser).
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace platform {

class MusicTrack {
public:
    virtual ~MusicTrack() = default;

    // On the audio worker, once the output is open: the file as a track, or null with the
    // reason in `error`.
    static std::unique_ptr<MusicTrack> load(const QByteArray& path, QString& error);
    // Our own SoundFont's path, or empty when it is missing (the system's default one plays).
    static QString ownSoundFont();

    // From the beginning; false, with the reason in `error`, when it cannot start.
    virtual bool play(QString& error) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // Started and not yet at its end; a paused track is still playing.
    virtual bool playing() const = 0;
    virtual bool paused() const = 0;
    // Any thread may ask this.
    bool sounding() const { return playing() && !paused(); }
};

} // namespace platform
