// ClipMixer: the sound effects' own mixer. Each clip has a channel of its own, so clips sound
// together; a channel plays its clip from the beginning, can pause and resume where it stands,
// and stops at the clip's end. mixInto() adds what the playing channels have next into a
// buffer of interleaved 16-bit samples, saturating, as an audio device's callback asks for it.
// The caller keeps the clips' samples alive while a channel plays them and serialises the
// calls (the device's lock).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace platform {

class ClipMixer {
public:
    enum class State { Stopped, Playing, Paused };

    int addChannel();
    // Starts `samples` (interleaved, as the output takes them) from the beginning.
    void play(int channel, std::span<const std::int16_t> samples);
    void pause(int channel);
    void resume(int channel);
    void halt(int channel);
    State state(int channel) const;
    // Whether any channel is playing and not paused: the output has something to sound.
    bool sounding() const;

    // Adds the playing channels' next samples into `out`; returns how many clips ended in it.
    int mixInto(std::span<std::int16_t> out);

private:
    struct Channel {
        std::span<const std::int16_t> clip;
        std::size_t position = 0;
        State state = State::Stopped;
    };
    const Channel& at(int channel) const;
    Channel& at(int channel);
    std::vector<Channel> channels_;
};

} // namespace platform
