#include "game/MusicClock.h"

#include <limits>

namespace game {

std::optional<std::uint32_t> MusicClock::nextActingTick(std::uint32_t gridOrigin, std::uint32_t now,
                                                        bool musicOn) const {
    if (!musicOn) return std::nullopt;
    const std::uint32_t sinceOrigin = now - gridOrigin;
    const std::uint32_t nextGrid =
        gridOrigin + (sinceOrigin / kMusicTimerInterval + 1) * kMusicTimerInterval;
    if (restartDue(nextGrid, musicOn)) return nextGrid;

    const std::uint32_t bound = musicPausedTotal + kMusicRestartAfter;
    if (bound == std::numeric_limits<std::uint32_t>::max()) return std::nullopt; // never holds
    // The test first holds once elapsed reaches bound + 1; the grid tick at or after that.
    const std::uint32_t wait = bound + 1 - (nextGrid - musicStartTick);
    const std::uint32_t steps = (wait + kMusicTimerInterval - 1) / kMusicTimerInterval;
    return nextGrid + steps * kMusicTimerInterval;
}

} // namespace game
