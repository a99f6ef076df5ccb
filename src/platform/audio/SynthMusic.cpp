#include "platform/audio/SynthMusic.h"

#include "platform/audio/AudioOutput.h"
#include "platform/audio/SdlAudio.h"
#include "platform/audio/TuneSynthesis.h"

#include <QLibrary>
#include <mutex>

namespace platform {

namespace {

#define BRAINLOCK_FLUIDSYNTH_FUNCTIONS(X)                                                          \
    X(new_fluid_settings)                                                                          \
    X(delete_fluid_settings)                                                                       \
    X(fluid_settings_setnum)                                                                       \
    X(fluid_settings_setint)                                                                       \
    X(new_fluid_synth)                                                                             \
    X(delete_fluid_synth)                                                                          \
    X(fluid_synth_set_gain)                                                                        \
    X(fluid_synth_sfload)                                                                          \
    X(fluid_synth_sfcount)                                                                         \
    X(fluid_synth_write_s16)                                                                       \
    X(fluid_synth_write_float)                                                                     \
    X(new_fluid_player)                                                                            \
    X(delete_fluid_player)                                                                         \
    X(fluid_player_add)                                                                            \
    X(fluid_player_set_loop)                                                                       \
    X(fluid_player_play)                                                                           \
    X(fluid_player_stop)                                                                           \
    X(fluid_player_get_status)

struct FluidSynth {
#define BRAINLOCK_FLUID_POINTER(name) decltype(&::name) name = nullptr;
    BRAINLOCK_FLUIDSYNTH_FUNCTIONS(BRAINLOCK_FLUID_POINTER)
#undef BRAINLOCK_FLUID_POINTER
};

FluidSynth fluid;
bool fluidLoaded = false;

// The library the mixer itself is linked with, so loading it maps nothing new. Kept loaded for
// the process's life, as the mixer's libraries are.
void loadFluidSynth() {
    static QLibrary library(QStringLiteral("libfluidsynth.so.3"));
    if (!library.load()) return;
    FluidSynth loaded;
#define BRAINLOCK_FLUID_RESOLVE(name)                                                              \
    loaded.name = reinterpret_cast<decltype(loaded.name)>(library.resolve(#name));                 \
    if (!loaded.name) return;
    BRAINLOCK_FLUIDSYNTH_FUNCTIONS(BRAINLOCK_FLUID_RESOLVE)
#undef BRAINLOCK_FLUID_RESOLVE
    fluid = loaded;
    fluidLoaded = true;
}

bool haveFluidSynth() {
    static std::once_flag once;
    std::call_once(once, loadFluidSynth);
    return fluidLoaded;
}

const SdlAudio& sdl() {
    return sdlAudio();
}

// The music device's lock, held while the device's thread must not render.
struct MusicDeviceLock {
    MusicDeviceLock() { AudioOutput::current()->lockMusic(); }
    ~MusicDeviceLock() { AudioOutput::current()->unlockMusic(); }
    MusicDeviceLock(const MusicDeviceLock&) = delete;
    MusicDeviceLock& operator=(const MusicDeviceLock&) = delete;
};

// The SoundFonts the mixer would play MIDI with: ours, or the system's default.
int SDLCALL loadSoundFont(const char* path, void* synth) {
    fluid.fluid_synth_sfload(static_cast<fluid_synth_t*>(synth), path, 1);
    return 1; // one that will not load leaves the others to play
}

} // namespace

std::unique_ptr<MusicTrack> SynthMusic::load(const QByteArray& path) {
    if (!haveFluidSynth()) return nullptr;
    std::unique_ptr<SynthMusic> music(new SynthMusic);
    if (!music->build(path)) return nullptr;
    return music;
}

bool SynthMusic::build(const QByteArray& path) {
    int frequency = 0;
    Uint16 format = 0;
    int channels = 0;
    if (sdl().Mix_QuerySpec(&frequency, &format, &channels) == 0 || channels != 2) return false;
    if (format == AUDIO_S16SYS) {
        write_ = fluid.fluid_synth_write_s16;
        frameBytes_ = 2 * sizeof(Sint16);
    } else if (format == AUDIO_F32SYS) {
        write_ = fluid.fluid_synth_write_float;
        frameBytes_ = 2 * sizeof(float);
    } else {
        return false;
    }
    settings_ = fluid.new_fluid_settings();
    if (!settings_) return false;
    fluid.fluid_settings_setnum(settings_, "synth.sample-rate", frequency);
    if (!ownSoundFont().isEmpty()) {
        fluid.fluid_settings_setint(settings_, "synth.polyphony", tune::kPolyphony);
        fluid.fluid_settings_setint(settings_, "synth.chorus.active", 0);
    }
    synth_ = fluid.new_fluid_synth(settings_);
    if (!synth_) return false;
    fluid.fluid_synth_set_gain(synth_, tune::kGain);
    sdl().Mix_EachSoundFont(loadSoundFont, synth_);
    if (fluid.fluid_synth_sfcount(synth_) == 0) return false;
    player_ = fluid.new_fluid_player(synth_);
    return player_ && fluid.fluid_player_add(player_, path.constData()) == FLUID_OK;
}

SynthMusic::~SynthMusic() {
    if (sdl().Mix_GetMusicHookData() == this) sdl().Mix_HookMusic(nullptr, nullptr);
    if (player_) fluid.delete_fluid_player(player_);
    if (synth_) fluid.delete_fluid_synth(synth_);
    if (settings_) fluid.delete_fluid_settings(settings_);
}

// A tune that has ended starts again from its beginning.
bool SynthMusic::play(QString& error) {
    const MusicDeviceLock lock;
    sdl().Mix_HookMusic(render, this);
    fluid.fluid_player_set_loop(player_, 1);
    if (fluid.fluid_player_play(player_) != FLUID_OK) {
        error = QStringLiteral("FluidSynth cannot play the tune");
        return false;
    }
    state_ = State::Playing;
    return true;
}

void SynthMusic::pause() {
    const MusicDeviceLock lock;
    if (state_ == State::Playing) state_ = State::Paused;
}

void SynthMusic::resume() {
    const MusicDeviceLock lock;
    if (state_ == State::Paused) state_ = State::Playing;
}

// On the music device's thread, under its lock, the stream already silent.
void SDLCALL SynthMusic::render(void* self, Uint8* stream, int length) {
    auto& music = *static_cast<SynthMusic*>(self);
    if (music.state_ != State::Playing) return;
    music.write_(music.synth_, length / music.frameBytes_, stream, 0, 2, stream, 1, 2);
    if (fluid.fluid_player_get_status(music.player_) == FLUID_PLAYER_PLAYING) return;
    music.state_ = State::Stopped;
    AudioOutput::postSleepIfIdle();
}

} // namespace platform
