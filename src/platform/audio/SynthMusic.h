// SynthMusic: a MIDI tune synthesised by FluidSynth straight into the mixer's music stream
// (its music hook), on the music device's thread. The mixer would synthesise it too, but with
// FluidSynth's defaults: a synthesiser for 256 voices and a chorus, where our tune sounds at
// most 14 voices at once and sends nothing to a chorus. Set up for our own SoundFont, the same
// samples come out for 2.3 MB less memory and less work per buffer. With the system's
// SoundFont instead, whose instruments may layer voices and use the chorus, FluidSynth's
// defaults stay.
#pragma once

#include "platform/audio/MusicTrack.h"

#include <SDL.h>
#include <atomic>
#include <fluidsynth.h>
#include <memory>

namespace platform {

class SynthMusic final : public MusicTrack {
public:
    // Null when FluidSynth, a SoundFont or an output it can write cannot be had: the mixer
    // then plays the file itself.
    static std::unique_ptr<MusicTrack> load(const QByteArray& path);
    ~SynthMusic() override;
    SynthMusic(const SynthMusic&) = delete;
    SynthMusic& operator=(const SynthMusic&) = delete;

    bool play(QString& error) override;
    void pause() override;
    void resume() override;
    bool playing() const override { return state_ != State::Stopped; }
    bool paused() const override { return state_ == State::Paused; }

private:
    enum class State { Stopped, Playing, Paused };
    using Write = int (*)(fluid_synth_t*, int, void*, int, int, void*, int, int);

    SynthMusic() = default;
    bool build(const QByteArray& path);
    static void SDLCALL render(void* self, Uint8* stream, int length);

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
    Write write_ = nullptr; // 16-bit or float, as the stream takes samples
    int frameBytes_ = 0;
    // Written under the device's lock, by the device's thread at the tune's end too.
    std::atomic<State> state_{State::Stopped};
};

} // namespace platform
