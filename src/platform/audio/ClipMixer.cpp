#include "platform/audio/ClipMixer.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

namespace platform {

namespace {

std::int16_t saturatedSum(std::int16_t a, std::int16_t b) {
    constexpr int kLow = std::numeric_limits<std::int16_t>::min();
    constexpr int kHigh = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(std::clamp(int{a} + int{b}, kLow, kHigh));
}

} // namespace

int ClipMixer::addChannel() {
    channels_.emplace_back();
    return static_cast<int>(channels_.size()) - 1;
}

const ClipMixer::Channel& ClipMixer::at(int channel) const {
    if (channel < 0 || static_cast<std::size_t>(channel) >= channels_.size())
        throw std::out_of_range("no such clip channel");
    return channels_[static_cast<std::size_t>(channel)];
}

ClipMixer::Channel& ClipMixer::at(int channel) {
    return const_cast<Channel&>(std::as_const(*this).at(channel));
}

void ClipMixer::play(int channel, std::span<const std::int16_t> samples) {
    at(channel) = Channel{samples, 0, samples.empty() ? State::Stopped : State::Playing};
}

void ClipMixer::pause(int channel) {
    Channel& c = at(channel);
    if (c.state == State::Playing) c.state = State::Paused;
}

void ClipMixer::resume(int channel) {
    Channel& c = at(channel);
    if (c.state == State::Paused) c.state = State::Playing;
}

void ClipMixer::halt(int channel) {
    at(channel) = Channel{};
}

ClipMixer::State ClipMixer::state(int channel) const {
    return at(channel).state;
}

bool ClipMixer::sounding() const {
    return std::any_of(channels_.begin(), channels_.end(),
                       [](const Channel& c) { return c.state == State::Playing; });
}

int ClipMixer::mixInto(std::span<std::int16_t> out) {
    int ended = 0;
    for (Channel& c : channels_) {
        if (c.state != State::Playing) continue;
        const std::size_t count = std::min(out.size(), c.clip.size() - c.position);
        const std::int16_t* from = c.clip.data() + c.position;
        std::transform(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(count), from,
                       out.begin(), saturatedSum);
        c.position += count;
        if (c.position == c.clip.size()) {
            c = Channel{};
            ++ended;
        }
    }
    return ended;
}

} // namespace platform
