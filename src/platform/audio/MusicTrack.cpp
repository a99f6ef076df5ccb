#include "platform/audio/MusicTrack.h"

#include "platform/audio/SdlAudio.h"
#include "platform/system/Shell.h"
#ifndef _WIN32
#include "platform/audio/SynthMusic.h"
#endif

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

} // namespace

QString MusicTrack::ownSoundFont() {
    const QString path = locateFile(QString::fromLatin1(kSoundFont));
    return QFileInfo(path).isFile() ? path : QString();
}

std::unique_ptr<MusicTrack> MusicTrack::load(const QByteArray& path, QString& error) {
#ifndef _WIN32
    if (std::unique_ptr<MusicTrack> synthesised = SynthMusic::load(path)) return synthesised;
#endif
    if (Mix_Music* music = sdl().Mix_LoadMUS(path.constData()))
        return std::make_unique<MixerMusic>(music);
    error = QString::fromUtf8(sdl().SDL_GetError());
    return nullptr;
}

} // namespace platform
