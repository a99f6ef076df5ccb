// When the music starts again: the piece is asked to play again once it has had 152 seconds
// of time with music on since its last start, counted in the wrapping 32-bit tick count.
// The window's 10 ms timer feeds it ticks; nextActingTick tells the timer the first tick of
// its grid at which the test can hold, so the timer sleeps until then instead of waking a
// hundred times a second.
#pragma once

#include <cstdint>
#include <optional>

namespace game {

constexpr std::uint32_t kMusicRestartAfter = 152000; // milliseconds of music-on time
constexpr std::uint32_t kMusicTimerInterval = 10;    // the timer's grid, in milliseconds

class MusicClock {
public:
    std::uint32_t musicStartTick = 0;   // the last start or restart; 0 until then
    std::uint32_t musicPausedTotal = 0; // music-off time since then
    std::uint32_t musicPauseTick = 0;   // the last switch-off; 0 until then

    void started(std::uint32_t now) { musicStartTick = now; }
    void restarted(std::uint32_t now) {
        musicPausedTotal = 0;
        musicStartTick = now;
    }
    void switchedOff(std::uint32_t now) { musicPauseTick = now; }
    void switchedOn(std::uint32_t now) { musicPausedTotal += now - musicPauseTick; }

    // The timer's test, in unsigned 32-bit arithmetic throughout (the sum wraps as well).
    bool restartDue(std::uint32_t now, bool musicOn) const {
        return musicOn && now - musicStartTick > musicPausedTotal + kMusicRestartAfter;
    }

    // The first tick of the grid gridOrigin + 10k (k >= 1) after `now` at which the test
    // holds; none while the music is off, since then no tick can act.
    std::optional<std::uint32_t> nextActingTick(std::uint32_t gridOrigin, std::uint32_t now,
                                                bool musicOn) const;
};

} // namespace game
