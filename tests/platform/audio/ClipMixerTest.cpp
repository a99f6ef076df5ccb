#include "platform/audio/ClipMixer.h"

#include <gtest/gtest.h>
#include <vector>

using platform::ClipMixer;

namespace {

std::vector<std::int16_t> mixed(ClipMixer& mixer, std::size_t samples, std::int16_t floor = 0) {
    std::vector<std::int16_t> out(samples, floor);
    mixer.mixInto(out);
    return out;
}

} // namespace

// Two clips sound together, added sample by sample and held at the 16-bit limits; each runs
// out on its own and says so once.
TEST(ClipMixer, ClipsAddUpSaturateAndEndOnTheirOwn) {
    const std::vector<std::int16_t> loud{30000, -30000, 100, 7};
    const std::vector<std::int16_t> short_{10000, -10000};
    ClipMixer mixer;
    const int a = mixer.addChannel();
    const int b = mixer.addChannel();
    mixer.play(a, loud);
    mixer.play(b, short_);
    std::vector<std::int16_t> out(3, 1);
    EXPECT_EQ(mixer.mixInto(out), 1); // the short clip ended
    EXPECT_EQ(out, (std::vector<std::int16_t>{32767, -32768, 101}));
    EXPECT_EQ(mixer.state(b), ClipMixer::State::Stopped);
    EXPECT_EQ(mixer.state(a), ClipMixer::State::Playing);
    std::vector<std::int16_t> rest(3, 0);
    EXPECT_EQ(mixer.mixInto(rest), 1);
    EXPECT_EQ(rest, (std::vector<std::int16_t>{7, 0, 0}));
    EXPECT_FALSE(mixer.sounding());
    EXPECT_EQ(mixer.mixInto(rest), 0);
}

// A paused clip adds nothing and keeps its place; resumed, it goes on from there; played
// again, it starts from the beginning; halted, it is gone.
TEST(ClipMixer, PauseKeepsThePlacePlayStartsOverHaltStops) {
    const std::vector<std::int16_t> clip{1, 2, 3, 4, 5, 6};
    ClipMixer mixer;
    const int c = mixer.addChannel();
    mixer.play(c, clip);
    EXPECT_EQ(mixed(mixer, 2), (std::vector<std::int16_t>{1, 2}));
    mixer.pause(c);
    EXPECT_EQ(mixer.state(c), ClipMixer::State::Paused);
    EXPECT_FALSE(mixer.sounding());
    EXPECT_EQ(mixed(mixer, 2), (std::vector<std::int16_t>{0, 0}));
    mixer.resume(c);
    EXPECT_EQ(mixed(mixer, 2), (std::vector<std::int16_t>{3, 4}));
    mixer.play(c, clip);
    EXPECT_EQ(mixed(mixer, 2), (std::vector<std::int16_t>{1, 2}));
    mixer.halt(c);
    EXPECT_EQ(mixer.state(c), ClipMixer::State::Stopped);
    EXPECT_EQ(mixed(mixer, 2), (std::vector<std::int16_t>{0, 0}));
    mixer.resume(c); // nothing to resume
    EXPECT_EQ(mixer.state(c), ClipMixer::State::Stopped);
    EXPECT_THROW(mixer.play(c + 1, clip), std::out_of_range);
}
