#include "platform/MediaPlayer.h"

#include "platform/SdlAudio.h"
#include "platform/Shell.h"
#include "platform/WaveCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <functional>
#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif
#include <utility>

namespace platform {

namespace {

const SdlAudio& sdl() {
    return sdlAudio();
}

constexpr int kFrequency = 44100;
constexpr int kOutputChannels = 2;
constexpr int kChunkSize = 2048; // samples per mix: about 46 ms
constexpr const char* kSoundFont = "brainlock.sf2";

// The audio work yields the processor to the window coming up (and to the X server).
void yieldToTheWindow() {
#ifdef __linux__
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
#endif
}

// The one audio output of the process, shared by every player. Its slow work (opening the
// device, loading files into the mixer) runs on worker threads one task after another, in
// the order asked; everything else runs on the user-interface thread.
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

    // Runs `task` after every task asked for before it.
    template <class Task> auto then(Task task) {
        releaseThread(); // the task may need the device's lock
        std::shared_future<void> before = last_;
        auto result = std::async(std::launch::async, [before, task] {
                          yieldToTheWindow();
                          if (before.valid()) before.wait();
                          return task();
                      }).share();
        last_ = std::async(std::launch::deferred, [result] { result.wait(); }).share();
        lastTaskDone_ = [result] {
            return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        };
        return result;
    }

    int allocateChannel() {
        const int channel = nextChannel_++;
        if (channel >= sdl().Mix_AllocateChannels(-1)) sdl().Mix_AllocateChannels(channel + 1);
        return channel;
    }

    bool silent() {
        start();
        opened_.wait();
        return silent_;
    }

    // Something is about to sound: the device's thread runs again.
    void wake() {
        if (device_ == 0) return;
        releaseThread();
        sdl().SDL_PauseAudioDevice(device_, 0);
    }

    // Nothing sounds: the device pauses. A paused device's thread still wakes for every
    // buffer to play silence, so once no loading is under way the thread is also held at the
    // device's lock, and an idle game does not wake for audio at all. Only the user-interface
    // thread holds it (`mayHold`): a worker's lock would end with the worker.
    void sleepIfIdle(bool mayHold = true) {
        if (device_ == 0) return;
        const int channels = sdl().Mix_AllocateChannels(-1);
        for (int channel = 0; channel < channels; ++channel)
            if (sdl().Mix_Playing(channel) && !sdl().Mix_Paused(channel)) return;
        if (sdl().Mix_PlayingMusic() && !sdl().Mix_PausedMusic()) return;
        sdl().SDL_PauseAudioDevice(device_, 1);
        if (mayHold && !holding_ && lastTaskDone_()) {
            sdl().SDL_LockAudioDevice(device_); // the lock is recursive: our own calls go on
            holding_ = true;
        }
    }

    void releaseThread() {
        if (std::exchange(holding_, false)) sdl().SDL_UnlockAudioDevice(device_);
    }

    // The work starts once the window is on screen (or at once, if asked before).
    void start() {
        if (!started_) gate_.set_value();
        started_ = true;
    }

private:
    AudioOutput() {
        std::shared_future<void> gate = gate_.get_future().share();
        opened_ = then([this, gate] {
            gate.wait();
            open();
        });
    }

    ~AudioOutput() {
        start();
        if (last_.valid()) last_.wait();
        if (!librariesLoaded_) return;
        releaseThread(); // closing waits for the device's thread
        sdl().Mix_ChannelFinished(nullptr);
        sdl().Mix_HookMusicFinished(nullptr);
        close();
    }

    // On the worker.
    void open() {
        QString error;
        if (!loadSdlAudio(error)) {
            std::fprintf(stderr, "brainlock: no audio output (%s); playing silently\n",
                         error.toLocal8Bit().constData());
            silent_ = true;
            return; // every player then reports that there is no audio library
        }
        librariesLoaded_ = true;
        if (!openDevice()) {
            // No sound card or sound server: the game plays on, silently.
            std::fprintf(stderr, "brainlock: no audio output (%s); playing silently\n",
                         sdl().SDL_GetError());
            close();
            sdl().SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
            silent_ = true;
            if (!openDevice()) return; // every player then reports the mixer's error
        }
        useOurSoundFont();
        sdl().Mix_Init(MIX_INIT_MID);
        sdl().Mix_AllocateChannels(0);
        sdl().Mix_ChannelFinished([](int) { postSleepIfIdle(); });
        sdl().Mix_HookMusicFinished([] { postSleepIfIdle(); });
        device_ = findMixerDevice();
        sleepIfIdle(false); // on the worker
    }

    // The tune's instruments are our own; without the file the system's default SoundFont
    // plays it.
    static void useOurSoundFont() {
        const QString path = locateFile(QString::fromLatin1(kSoundFont));
        if (QFileInfo(path).isFile()) sdl().Mix_SetSoundFonts(QFile::encodeName(path).constData());
    }

    bool openDevice() {
        // SDL would otherwise turn SIGINT and SIGTERM into events nobody reads.
        sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        return sdl().Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kOutputChannels, kChunkSize) == 0;
    }

    void close() {
        sdl().Mix_CloseAudio();
        sdl().Mix_Quit();
        sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
        sdl().SDL_Quit(); // audio is all SDL does here; this also frees its hints
    }

    // The mixer does not say which device it opened; it is the one device of this process
    // that runs (device ids start at 2; 1 is the legacy interface's).
    static SDL_AudioDeviceID findMixerDevice() {
        for (SDL_AudioDeviceID id = 2; id < 32; ++id)
            if (sdl().SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) return id;
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
    std::promise<void> gate_;
    bool started_ = false;
    std::shared_future<void> opened_;
    std::shared_future<void> last_;
    SDL_AudioDeviceID device_ = 0; // written by the opening task, read after it
    bool silent_ = false;
    bool librariesLoaded_ = false; // written by the opening task, read after it
    bool holding_ = false;         // the user-interface thread holds the device's lock
    std::function<bool()> lastTaskDone_ = [] { return true; };
};

bool isMidi(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QLatin1String("mid") || suffix == QLatin1String("midi");
}

[[noreturn]] void failOpen(const QString& fileName, const QString& reason) {
    throw EMCIDeviceError(QStringLiteral("%1: %2").arg(fileName, reason).toStdString());
}

// Whether the file decodes: a WAV by its header and format, a MIDI file by its header. The
// audio libraries are not needed for this, so it runs before they are loaded.
QString decodeError(const QByteArray& path, bool midi) {
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Couldn't open %1").arg(QFile::decodeName(path));
    if (midi) return file.read(4) == "MThd" ? QString() : QStringLiteral("Not a MIDI file");
    const QByteArray bytes = file.readAll();
    return QString::fromStdString(waveFormatError(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

} // namespace

TMediaPlayer::TMediaPlayer()
    : self_(std::make_shared<TMediaPlayer*>(this)) {}

TMediaPlayer::~TMediaPlayer() {
    Close();
}

void TMediaPlayer::Open(const QString& fileName) {
    Close();
    const QByteArray path = QFile::encodeName(locateFile(fileName));
    const bool midi = isMidi(fileName);
    if (const QString error = decodeError(path, midi); !error.isEmpty()) failOpen(fileName, error);

    fileName_ = fileName;
    open_ = true;
    AudioOutput& output = AudioOutput::acquire();
    std::weak_ptr<TMediaPlayer*> player = self_;
    loading_ = output.then([path, midi, player] {
        Loaded loaded;
        if (QString error; !loadSdlAudio(error))
            loaded.error = error;
        else if (midi)
            loaded.music = sdl().Mix_LoadMUS(path.constData());
        else
            loaded.chunk = sdl().Mix_LoadWAV(path.constData());
        if (!loaded.music && !loaded.chunk && loaded.error.isEmpty())
            loaded.error = QString::fromUtf8(sdl().SDL_GetError());
        // Tells the player, on its own thread, that it is ready.
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app,
                [player] {
                    if (const auto alive = player.lock()) (*alive)->takeLoaded();
                },
                Qt::QueuedConnection);
        return loaded;
    });
}

bool TMediaPlayer::ready() const {
    return loaded_ || (loading_.valid() &&
                       loading_.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
}

void TMediaPlayer::takeLoaded() {
    if (loaded_ || !loading_.valid()) return;
    startAudio(); // a caller that waits must not wait for the window
    const Loaded loaded = loading_.get();
    loaded_ = true;
    chunk_ = loaded.chunk;
    music_ = loaded.music;
    lastError_ = loaded.error;
    if (chunk_) channel_ = AudioOutput::current()->allocateChannel();
    const Pending pending = std::exchange(pending_, Pending::None);
    if (pending != Pending::None) Play();
    if (pending == Pending::Paused) Pause();
    if (pending == Pending::None)
        AudioOutput::current()->sleepIfIdle(); // the last load may be done
}

void TMediaPlayer::Close() {
    if (!open_) return;
    takeLoaded(); // waits for the worker
    if (music_) {
        sdl().Mix_HaltMusic();
        sdl().Mix_FreeMusic(music_);
    }
    if (chunk_) {
        sdl().Mix_HaltChannel(channel_);
        sdl().Mix_FreeChunk(chunk_);
    }
    music_ = nullptr;
    chunk_ = nullptr;
    channel_ = -1;
    loading_ = {};
    loaded_ = false;
    pending_ = Pending::None;
    open_ = false;
    AudioOutput::release();
}

void TMediaPlayer::requireOpen() const {
    if (!open_) throw EMCIDeviceError("No MCI device open");
}

TMediaPlayer::Mode TMediaPlayer::mode() {
    if (!open_) return Mode::NotReady;
    if (!ready()) {
        switch (pending_) {
        case Pending::Play:
            return Mode::Playing;
        case Pending::Paused:
            return Mode::Paused;
        case Pending::None:
            break;
        }
        return Mode::Stopped;
    }
    takeLoaded();
    return mixerMode();
}

TMediaPlayer::Mode TMediaPlayer::mixerMode() const {
    if (music_) {
        if (!sdl().Mix_PlayingMusic()) return Mode::Stopped;
        return sdl().Mix_PausedMusic() ? Mode::Paused : Mode::Playing;
    }
    if (!chunk_ || !sdl().Mix_Playing(channel_)) return Mode::Stopped;
    return sdl().Mix_Paused(channel_) ? Mode::Paused : Mode::Playing;
}

// A playing clip goes on; a paused one continues from where it stands; a finished one starts
// again from the beginning.
void TMediaPlayer::Play() {
    requireOpen();
    if (!ready()) {
        pending_ = Pending::Play;
        return;
    }
    takeLoaded();
    if (!chunk_ && !music_) return; // the load failed: its error is recorded
    const Mode now = mixerMode();
    if (now == Mode::Playing) return;
    AudioOutput::current()->wake();
    if (now == Mode::Paused) {
        if (isMusic())
            sdl().Mix_ResumeMusic();
        else
            sdl().Mix_Resume(channel_);
        return;
    }
    const int result =
        isMusic() ? sdl().Mix_PlayMusic(music_, 0) : sdl().Mix_PlayChannel(channel_, chunk_, 0);
    if (result < 0) {
        lastError_ = QString::fromUtf8(sdl().SDL_GetError());
        AudioOutput::current()->sleepIfIdle();
    }
}

void TMediaPlayer::Pause() {
    requireOpen();
    if (!ready()) {
        if (pending_ == Pending::Play)
            pending_ = Pending::Paused;
        else if (pending_ == Pending::Paused)
            pending_ = Pending::Play;
        return;
    }
    takeLoaded();
    switch (mixerMode()) {
    case Mode::Playing:
        if (isMusic())
            sdl().Mix_PauseMusic();
        else
            sdl().Mix_Pause(channel_);
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
    Play();
}

void startAudio() {
    if (AudioOutput* output = AudioOutput::current()) output->start();
}

bool audioIsSilent() {
    AudioOutput* output = AudioOutput::current();
    return output && output->silent();
}

} // namespace platform
