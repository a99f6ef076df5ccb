#include "platform/audio/AudioOutput.h"

#include "platform/audio/MusicTrack.h"
#include "platform/audio/SdlAudio.h"
#include "platform/audio/TuneSynthesis.h"
#include "platform/system/ThreadPriority.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <cstring>
#include <span>
#include <utility>

namespace platform {

namespace {

const SdlAudio& sdl() {
    return sdlAudio();
}

constexpr int kFrequency = tune::kSampleRate;
constexpr int kOutputChannels = 2;
// The music's device mixes 4096 samples at a time (about 93 ms): it wakes seldom while the
// tune plays, and the sound server holds that much of the tune, which rides out a late
// wake-up. The effects' device mixes 512 (about 12 ms), so a click is heard at once; it runs
// only while an effect sounds.
constexpr int kMusicChunkSize = tune::kBlockFrames;
constexpr Uint16 kEffectsChunkSize = 512;
// Where the output is a file or nothing (below), the effects share the music's device, which
// then mixes 2048 (about 46 ms), so that a clip's end is seen about as soon as it comes. A real
// device whose effects' device would not open keeps the music's 4096: its effects sound up to
// a buffer later, as the fallback it is.
constexpr int kSharedChunkSize = 2048;

// The drivers whose output is a file or nothing at all: no latency to win there, and a file
// takes only one writer.
bool outputIsNotHeard() {
    const char* driver = sdl().SDL_GetCurrentAudioDriver();
    return driver && (std::strcmp(driver, "disk") == 0 || std::strcmp(driver, "dummy") == 0);
}

// Holding an idle device's lock parks the thread that feeds it. That is safe only where the
// driver is known to take it well:
// - PipeWire's back end (and Core Audio's) feed a device from the sound library's own thread,
//   and SDL 2 frees a device's lock before it stops that thread: a thread parked on the lock
//   waits on freed memory for ever, and the process never ends.
// - ALSA's device, starved while held, underruns; through a sound server's ALSA plugin the
//   next write then blocks for seconds, and so does the exit.
// Elsewhere a paused device's thread goes on writing its silence: a little work, never a hang.
bool mayHoldIdleDevices() {
    static constexpr const char* kDriversThatTakeAHold[] = {"pulseaudio", "wasapi", "directsound",
                                                            "winmm",      "disk",   "dummy"};
    const char* driver = sdl().SDL_GetCurrentAudioDriver();
    if (!driver) return false;
    for (const char* known : kDriversThatTakeAHold)
        if (std::strcmp(driver, known) == 0) return true;
    return false;
}

// The mixer does not say which device it opened; it is the one device of this process that
// runs (device ids start at 2; 1 is the legacy interface's).
SDL_AudioDeviceID findMixerDevice() {
    for (SDL_AudioDeviceID id = 2; id < 32; ++id)
        if (sdl().SDL_GetAudioDeviceStatus(id) != SDL_AUDIO_STOPPED) return id;
    return 0;
}

} // namespace

AudioOutput& AudioOutput::acquire() {
    if (!current_) current_ = new AudioOutput;
    ++current_->users_;
    return *current_;
}

void AudioOutput::release() {
    if (current_ && --current_->users_ == 0) {
        delete current_;
        current_ = nullptr;
    }
}

AudioOutput::AudioOutput() {
    opened_ = then([this] { open(); }, false);
}

AudioOutput::~AudioOutput() {
    start();
    if (last_.valid()) last_.wait();
    if (!librariesLoaded_) return;
    releaseThreads(); // closing waits for the devices' threads
    sdl().Mix_HookMusicFinished(nullptr);
    close();
}

// The tasks asked so far run on one worker, the opening first, and those asked from now on
// after them.
void AudioOutput::start() {
    if (std::exchange(started_, true)) return;
    last_ = std::async(std::launch::async, [tasks = std::move(waiting_)] {
                for (const auto& task : tasks)
                    task();
            }).share();
}

void AudioOutput::open() {
    QString error;
    if (!loadSdlAudio(error)) {
        std::fprintf(stderr, "brainlock: no audio output (%s); playing silently\n",
                     error.toLocal8Bit().constData());
        return; // every player then reports that there is no audio library
    }
    librariesLoaded_ = true;
    if (!openMusicDevice()) {
        // No sound card or sound server: the game plays on, silently.
        std::fprintf(stderr, "brainlock: no audio output (%s); playing silently\n",
                     sdl().SDL_GetError());
        close();
        // A hint, not the environment: setenv races with every getenv of the other threads,
        // and would reach the programs the game starts. It overrides SDL_AUDIODRIVER.
        sdl().SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (!openMusicDevice()) return; // every player then reports the mixer's error
    }
    // The tune's instruments are our own; without the file the system's default SoundFont
    // plays it.
    if (const QString soundFont = MusicTrack::ownSoundFont(); !soundFont.isEmpty())
        sdl().Mix_SetSoundFonts(QFile::encodeName(soundFont).constData());
    sdl().Mix_Init(MIX_INIT_MID);
    sdl().Mix_AllocateChannels(0); // the effects are ours
    sdl().Mix_HookMusicFinished([] { postSleepIfIdle(); });
    music_.id = findMixerDevice();
    openEffectsDevice();
    mayHold_ = mayHoldIdleDevices();
    open_.store(true, std::memory_order_release); // the devices are known to other threads
    sleepIfIdle(false);                           // on the worker
}

bool AudioOutput::openMusicDevice() {
    // SDL would otherwise turn SIGINT and SIGTERM into events nobody reads.
    sdl().SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (sdl().SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    const int chunkSize = outputIsNotHeard() ? kSharedChunkSize : kMusicChunkSize;
    return sdl().Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kOutputChannels, chunkSize) == 0;
}

// The effects' device takes the mixer's format as it is, so the loaded chunks play unchanged.
// Should it not open, the effects share the music's device: later, but heard.
void AudioOutput::openEffectsDevice() {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    sdl().Mix_QuerySpec(&frequency, &format, &channels);
    if (!outputIsNotHeard() && format == AUDIO_S16SYS) {
        SDL_AudioSpec wanted{};
        wanted.freq = frequency;
        wanted.format = format;
        wanted.channels = static_cast<Uint8>(channels);
        wanted.samples = kEffectsChunkSize;
        wanted.callback = fillWithClips;
        wanted.userdata = this;
        effects_.id = sdl().SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    }
    shared_ = effects_.id == 0;
    if (shared_) sdl().Mix_SetPostMix(addClips, this);
}

void AudioOutput::close() {
    if (effects_.id != 0) sdl().SDL_CloseAudioDevice(std::exchange(effects_.id, 0));
    sdl().Mix_SetPostMix(nullptr, nullptr);
    sdl().Mix_CloseAudio();
    sdl().Mix_Quit();
    sdl().SDL_QuitSubSystem(SDL_INIT_AUDIO);
    sdl().SDL_Quit(); // audio is all SDL does here; this also frees its hints
}

// On the effects' device's thread.
void SDLCALL AudioOutput::fillWithClips(void* self, Uint8* stream, int length) {
    std::memset(stream, 0, static_cast<std::size_t>(length)); // signed 16-bit silence
    addClips(self, stream, length);
}

// On the device's thread, under its lock.
void SDLCALL AudioOutput::addClips(void* self, Uint8* stream, int length) {
    std::span<std::int16_t> samples(reinterpret_cast<std::int16_t*>(stream),
                                    static_cast<std::size_t>(length) / sizeof(std::int16_t));
    if (static_cast<AudioOutput*>(self)->clips_.mixInto(samples) > 0) postSleepIfIdle();
}

// Called on an audio thread: the check runs on the user-interface thread.
void AudioOutput::postSleepIfIdle() {
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app,
            [] {
                if (AudioOutput* output = current()) output->sleepIfIdle();
            },
            Qt::QueuedConnection);
}

// Runs `use` on the clips under the effects' device's lock, as its thread mixes them.
template <class Use> auto AudioOutput::withClips(Use use) {
    struct Unlock {
        SDL_AudioDeviceID id;
        ~Unlock() { sdl().SDL_UnlockAudioDevice(id); }
    };
    sdl().SDL_LockAudioDevice(effects().id);
    const Unlock unlock{effects().id};
    return use(clips_);
}

void AudioOutput::playClip(int channel, const Mix_Chunk& chunk) {
    const auto* samples = reinterpret_cast<const std::int16_t*>(chunk.abuf);
    withClips([&](ClipMixer& clips) {
        clips.play(channel, std::span(samples, chunk.alen / sizeof(std::int16_t)));
    });
    wake(effects());
}

void AudioOutput::pauseClip(int channel) {
    withClips([&](ClipMixer& clips) { clips.pause(channel); });
    sleepIfIdle();
}

void AudioOutput::resumeClip(int channel) {
    withClips([&](ClipMixer& clips) { clips.resume(channel); });
    wake(effects());
}

void AudioOutput::haltClip(int channel) {
    withClips([&](ClipMixer& clips) { clips.halt(channel); });
}

int AudioOutput::addClipChannel() {
    return withClips([](ClipMixer& clips) { return clips.addChannel(); });
}

ClipMixer::State AudioOutput::clipState(int channel) {
    return withClips([&](ClipMixer& clips) { return clips.state(channel); });
}

bool AudioOutput::clipsSound() {
    return withClips([](ClipMixer& clips) { return clips.sounding(); });
}

void AudioOutput::wakeMusic() {
    wake(music_);
}

void AudioOutput::lockMusic() {
    sdl().SDL_LockAudioDevice(music_.id);
}

void AudioOutput::unlockMusic() {
    sdl().SDL_UnlockAudioDevice(music_.id);
}

// The device runs first and is let go after, so its thread, once it has the lock, mixes what
// is to sound rather than one more buffer of silence.
void AudioOutput::wake(Device& device) {
    if (device.id == 0) return;
    sdl().SDL_PauseAudioDevice(device.id, 0);
    release(device);
}

// A paused device's thread still wakes for every buffer to play silence, so once no loading
// is under way it is also held at the device's lock (recursive: our own calls go on).
void AudioOutput::sleep(Device& device, bool mayHold) {
    if (device.id == 0) return;
    sdl().SDL_PauseAudioDevice(device.id, 1);
    if (mayHold && mayHold_ && !device.held && lastTaskDone_()) {
        sdl().SDL_LockAudioDevice(device.id);
        device.held = true;
    }
}

// Does nothing until the output is open: an event queued by an earlier output may come while
// this one's worker is still finding its devices.
void AudioOutput::sleepIfIdle(bool mayHold) {
    if (!open_.load(std::memory_order_acquire) || music_.id == 0) return;
    const bool clips = clipsSound();
    const MusicTrack* tune = tune_.load(std::memory_order_acquire);
    const bool music = tune && tune->sounding();
    if (!music && !(shared_ && clips)) sleep(music_, mayHold);
    if (!shared_ && !clips) sleep(effects_, mayHold);
}

void AudioOutput::release(Device& device) {
    if (std::exchange(device.held, false)) sdl().SDL_UnlockAudioDevice(device.id);
}

void AudioOutput::releaseThreads() {
    release(music_);
    release(effects_);
}

} // namespace platform
