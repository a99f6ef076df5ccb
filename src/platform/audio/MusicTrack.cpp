#include "platform/audio/MusicTrack.h"

#include "platform/audio/SdlAudio.h"
#include "platform/system/Shell.h"
#ifndef _WIN32
#include "platform/audio/SynthMusic.h"
#include "platform/audio/TuneSource.h"
#endif

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace platform {

namespace {

constexpr const char* kSoundFont = "brainlock.sf2";

const SdlAudio& sdl() {
    return sdlAudio();
}

// The mixer's own music: one stream for the process, so its state is the mixer's.
class MixerMusic final : public MusicTrack {
public:
    explicit MixerMusic(Mix_Music* music)
        : music_(music) {}
    ~MixerMusic() override {
        sdl().Mix_HaltMusic();
        sdl().Mix_FreeMusic(music_);
    }
    MixerMusic(const MixerMusic&) = delete;
    MixerMusic& operator=(const MixerMusic&) = delete;

    bool play(QString& error) override {
        if (sdl().Mix_PlayMusic(music_, 0) == 0) return true;
        error = QString::fromUtf8(sdl().SDL_GetError());
        return false;
    }
    void pause() override { sdl().Mix_PauseMusic(); }
    void resume() override { sdl().Mix_ResumeMusic(); }
    bool playing() const override { return sdl().Mix_PlayingMusic() != 0; }
    bool paused() const override { return sdl().Mix_PausedMusic() != 0; }

private:
    Mix_Music* music_;
};

#ifndef _WIN32
// Enough of a FLAC file's head for its stream information and its comment.
constexpr qint64 kFlacHeadBytes = 4096;

std::string_view bytesOf(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The tune the build rendered beside the MIDI file ("cheers.flac" beside "cheers.mid"), where
// its comment names this MIDI file and our SoundFont; empty where there is none, or where
// either file has changed since and the tune must be synthesised as it plays.
QByteArray renderedTune(const QByteArray& midiPath) {
    const QString soundFont = MusicTrack::ownSoundFont();
    if (soundFont.isEmpty()) return {};
    const QFileInfo midi(QFile::decodeName(midiPath));
    const QString rendered = midi.dir().filePath(midi.completeBaseName() + QLatin1String(".flac"));
    QFile flac(rendered);
    if (!flac.open(QIODevice::ReadOnly)) return {};
    const auto source = tune::flacComment(bytesOf(flac.read(kFlacHeadBytes)), tune::kSourceField);
    if (!source) return {};
    const QByteArray tune = contentsOf(midi.filePath());
    const QByteArray instruments = contentsOf(soundFont);
    if (*source != tune::sourceValue(tune::sourceDigest(bytesOf(tune), bytesOf(instruments))))
        return {};
    return QFile::encodeName(rendered);
}
#endif

} // namespace

QString MusicTrack::ownSoundFont() {
    const QString path = locateFile(QString::fromLatin1(kSoundFont));
    return QFileInfo(path).isFile() ? path : QString();
}

std::unique_ptr<MusicTrack> MusicTrack::load(const QByteArray& path, QString& error) {
#ifndef _WIN32
    if (const QByteArray rendered = renderedTune(path); !rendered.isEmpty())
        if (Mix_Music* music = sdl().Mix_LoadMUS(rendered.constData()))
            return std::make_unique<MixerMusic>(music);
    if (std::unique_ptr<MusicTrack> synthesised = SynthMusic::load(path)) return synthesised;
#endif
    if (Mix_Music* music = sdl().Mix_LoadMUS(path.constData()))
        return std::make_unique<MixerMusic>(music);
    error = QString::fromUtf8(sdl().SDL_GetError());
    return nullptr;
}

} // namespace platform
