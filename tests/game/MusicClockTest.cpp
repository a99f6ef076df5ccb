#include "game/MusicClock.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

using game::MusicClock;

namespace {

// Plays a music clock the way the window does, moment by moment.
struct Window {
    MusicClock clock;
    bool musicOn = true;
    std::uint32_t gridOrigin = 0;
    std::vector<std::uint32_t> restarts;

    void fire(std::uint32_t now) {
        if (clock.restartDue(now, musicOn)) {
            clock.restarted(now);
            restarts.push_back(now);
        }
    }
    void switchMusic(bool on, std::uint32_t now) {
        if (on == musicOn) return;
        musicOn = on;
        if (on)
            clock.switchedOn(now);
        else
            clock.switchedOff(now);
    }
};

} // namespace

TEST(MusicClock, RestartsAfter152SecondsOfMusicOnTime) {
    MusicClock clock;
    clock.started(1000);
    EXPECT_FALSE(clock.restartDue(1000 + 152000, true)); // strictly more than 152 000
    EXPECT_TRUE(clock.restartDue(1000 + 152001, true));
    EXPECT_FALSE(clock.restartDue(1000 + 200000, false)); // never while the music is off

    // Off after 50 s, on again 30 s later: the restart comes 182 s after the first start.
    clock.switchedOff(1000 + 50000);
    clock.switchedOn(1000 + 80000);
    EXPECT_FALSE(clock.restartDue(1000 + 182000, true));
    EXPECT_TRUE(clock.restartDue(1000 + 182001, true));

    // Across the tick count's wrap.
    MusicClock wrapping;
    wrapping.started(0xFFFFF000u);
    EXPECT_FALSE(wrapping.restartDue(0xFFFFF000u + 100000u, true));
    EXPECT_TRUE(wrapping.restartDue(0xFFFFF000u + 152001u, true));

    // Off from the start and switched on later: 152 s after the switch-on.
    MusicClock late;
    late.switchedOn(500000);
    EXPECT_FALSE(late.restartDue(500000 + 152000, true));
    EXPECT_TRUE(late.restartDue(500000 + 152001, true));
}

TEST(MusicClock, TheArmedTimerWakesOnTheFirstGridTickThatActs) {
    MusicClock clock;
    clock.started(1003);
    // The grid runs from 1000 in steps of 10; the test first holds at 153 004 and later.
    EXPECT_EQ(clock.nextActingTick(1000, 1003, true), 153010u);
    EXPECT_EQ(clock.nextActingTick(1000, 153004, true), 153010u);
    EXPECT_EQ(clock.nextActingTick(1000, 200000, true), 200010u); // overdue: the next tick
    EXPECT_EQ(clock.nextActingTick(1000, 1003, false), std::nullopt);
    clock.musicPausedTotal = 0xFFFFFFFFu - game::kMusicRestartAfter; // a bound never passed
    EXPECT_EQ(clock.nextActingTick(1000, 1003, true), std::nullopt);
}

// Random runs of new games, switches and waits, near the tick count's wrap: a timer that
// wakes only when the armed tick comes restarts the music at exactly the moments a 10 ms
// poller of the test does.
TEST(MusicClock, ArmedTimerMatchesAPollerOfTheTest) {
    std::mt19937 random(20261208);
    std::size_t restarts = 0;
    for (int run = 0; run < 300; ++run) {
        SCOPED_TRACE(run);
        const std::uint32_t start = run % 2 ? 0xFFFFFFFFu - random() % 400000u : random();
        Window poller;
        poller.gridOrigin = start;
        poller.musicOn = random() % 4 != 0;
        if (poller.musicOn) poller.clock.started(start);
        Window armed = poller;
        std::uint32_t now = start;
        for (int step = 0; step < 12; ++step) {
            // The next event, some time ahead: at most 400 s, often just past a grid tick.
            const std::uint32_t wait = random() % 3 == 0 ? random() % 30 : random() % 400000;
            const std::uint32_t eventAt = now + wait;
            // The poller looks at every grid tick before the event.
            for (std::uint32_t t = poller.gridOrigin + ((now - poller.gridOrigin) / 10 + 1) * 10;
                 t - now < wait; t += 10)
                poller.fire(t);
            // The armed timer wakes only at the ticks it was armed for.
            for (std::optional<std::uint32_t> due =
                     armed.clock.nextActingTick(armed.gridOrigin, now, armed.musicOn);
                 due && *due - now < wait;
                 due = armed.clock.nextActingTick(armed.gridOrigin, *due, armed.musicOn))
                armed.fire(*due);
            now = eventAt;
            const int kind = static_cast<int>(random() % 3);
            const bool on = random() % 2 == 0;
            for (Window* w : {&poller, &armed}) {
                if (kind == 0) w->gridOrigin = now; // a new game starts the grid anew
                if (kind == 1) w->switchMusic(on, now);
                if (kind == 2) { // off and on again at one moment
                    w->switchMusic(!w->musicOn, now);
                    w->switchMusic(!w->musicOn, now);
                }
            }
        }
        EXPECT_EQ(poller.restarts, armed.restarts);
        restarts += poller.restarts.size();
    }
    EXPECT_GT(restarts, 300u); // the runs do reach their restarts
}
