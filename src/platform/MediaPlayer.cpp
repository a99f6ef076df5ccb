#include "platform/MediaPlayer.h"

#include "platform/Shell.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>
#include <vector>

namespace platform {

namespace {

constexpr int kFrequency = 44100;
constexpr int kOutputChannels = 2;
constexpr int kChunkSize = 2048; // samples per mix: about 46 ms

// The one audio output of the process, shared by every player.
class AudioOutput {
public:
    static AudioOutput& acquire() {
        if (!current_) current_ = new AudioOutput;
        ++current_->users_;
        return *current_;
    }
    static void release() {
        if (current_ && --current_->users_ == 0) {
            delete current_;
            current_ = nullptr;
        }
    }
    static AudioOutput* current() { return current_; }

    int allocateChannel() {
        const int channel = nextChannel_++;
        if (channel >= Mix_AllocateChannels(-1)) Mix_AllocateChannels(channel + 1);
        return channel;
    }

    bool silent() const { return silent_; }

    // Something is about to sound: the device runs.
    void wake() {
        if (device_ != 0) SDL_PauseAudioDevice(device_, 0);
    }

    // Nothing sounds: the device stops asking for silence to mix.
    void sleepIfIdle() {
        if (device_ == 0) return;
        const int channels = Mix_AllocateChannels(-1);
        for (int channel = 0; channel < channels; ++channel)
            if (Mix_Playing(channel) && !Mix_Paused(channel)) return;
        if (Mix_PlayingMusic() && !Mix_PausedMusic()) return;
        SDL_PauseAudioDevice(device_, 1);
    }

private:
    AudioOutput() {
        if (!open()) {
            // No sound card or sound server: the game plays on, silently.
            std::fprintf(stderr, "brainlock: no audio output (%s); playing silently\n",
                         SDL_GetError());
            close();
            SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
            silent_ = true;
            if (!open())
                throw EMCIDeviceError(QStringLiteral("The audio output cannot be opened: %1")
                                          .arg(QString::fromUtf8(SDL_GetError()))
                                          .toStdString());
        }
        Mix_Init(MIX_INIT_MID);
        Mix_AllocateChannels(0);
        Mix_ChannelFinished([](int) { postSleepIfIdle(); });
        Mix_HookMusicFinished([] { postSleepIfIdle(); });
        device_ = findMixerDevice();
        sleepIfIdle();
    }

    ~AudioOutput() {
        Mix_ChannelFinished(nullptr);
        Mix_HookMusicFinished(nullptr);
        close();
    }

    bool open() {
        // SDL would otherwise turn SIGINT and SIGTERM into events nobody reads.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        return Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kOutputChannels, kChunkSize) == 0;
    }

    void close() {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    // The mixer does not say which device it opened; it is the one device of this process
    // that runs (device ids start at 2; 1 is the legacy interface's).
    static SDL_AudioDeviceID findMixerDevice() {
        for (SDL_AudioDeviceID id = 2; id < 32; ++id)
            if (SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) return id;
        return 0;
    }

    // Called on the audio thread: the check runs on the user-interface thread.
    static void postSleepIfIdle() {
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app,
                [] {
                    if (AudioOutput* output = current()) output->sleepIfIdle();
                },
                Qt::QueuedConnection);
    }

    static inline AudioOutput* current_ = nullptr;
    int users_ = 0;
    int nextChannel_ = 0;
    SDL_AudioDeviceID device_ = 0;
    bool silent_ = false;
};

QString mixerError() {
    return QString::fromUtf8(Mix_GetError());
}

bool isMidi(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QLatin1String("mid") || suffix == QLatin1String("midi");
}

[[noreturn]] void failOpen(const QString& fileName, const QString& reason) {
    throw EMCIDeviceError(QStringLiteral("%1: %2").arg(fileName, reason).toStdString());
}

} // namespace

TMediaPlayer::~TMediaPlayer() {
    Close();
}

void TMediaPlayer::Open(const QString& fileName) {
    Close();
    AudioOutput& output = AudioOutput::acquire();
    fileName_ = fileName;
    const QByteArray path = QFile::encodeName(locateFile(fileName));
    // Opened first on its own, so a missing or unreadable file says so.
    SDL_RWops* source = SDL_RWFromFile(path.constData(), "rb");
    if (!source) {
        const QString reason = QString::fromUtf8(SDL_GetError());
        AudioOutput::release();
        failOpen(fileName, reason);
    }
    if (isMidi(fileName)) {
        music_ = Mix_LoadMUS_RW(source, 1);
    } else {
        chunk_ = Mix_LoadWAV_RW(source, 1);
        if (chunk_) channel_ = output.allocateChannel();
    }
    if (!chunk_ && !music_) {
        const QString reason = mixerError();
        AudioOutput::release();
        failOpen(fileName, reason);
    }
}

void TMediaPlayer::Close() {
    if (!chunk_ && !music_) return;
    if (music_) {
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
    if (chunk_) {
        Mix_HaltChannel(channel_);
        Mix_FreeChunk(chunk_);
        chunk_ = nullptr;
        channel_ = -1;
    }
    AudioOutput::release();
}

void TMediaPlayer::requireOpen() const {
    if (!chunk_ && !music_) throw EMCIDeviceError("No MCI device open");
}

TMediaPlayer::Mode TMediaPlayer::mode() const {
    if (isMusic()) {
        if (!Mix_PlayingMusic()) return Mode::Stopped;
        return Mix_PausedMusic() ? Mode::Paused : Mode::Playing;
    }
    if (!chunk_) return Mode::NotReady;
    if (!Mix_Playing(channel_)) return Mode::Stopped;
    return Mix_Paused(channel_) ? Mode::Paused : Mode::Playing;
}

// A playing clip goes on; a paused one continues from where it stands; a finished one starts
// again from the beginning.
void TMediaPlayer::Play() {
    requireOpen();
    const Mode now = mode();
    if (now == Mode::Playing) return;
    AudioOutput::current()->wake();
    if (now == Mode::Paused) {
        if (isMusic())
            Mix_ResumeMusic();
        else
            Mix_Resume(channel_);
        return;
    }
    const int result = isMusic() ? Mix_PlayMusic(music_, 0) : Mix_PlayChannel(channel_, chunk_, 0);
    if (result < 0) {
        lastError_ = mixerError();
        AudioOutput::current()->sleepIfIdle();
    }
}

void TMediaPlayer::Pause() {
    requireOpen();
    switch (mode()) {
    case Mode::Playing:
        if (isMusic())
            Mix_PauseMusic();
        else
            Mix_Pause(channel_);
        AudioOutput::current()->sleepIfIdle();
        break;
    case Mode::Paused:
        Resume();
        break;
    default:
        break;
    }
}

// A device that is not paused refuses to resume: it plays instead.
void TMediaPlayer::Resume() {
    requireOpen();
    Play();
}

bool audioIsSilent() {
    const AudioOutput* output = AudioOutput::current();
    return output && output->silent();
}

} // namespace platform
