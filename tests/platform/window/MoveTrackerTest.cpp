#include "platform/window/MoveTracker.h"

#include <gtest/gtest.h>

using platform::MovePoint;
using platform::MoveTracker;
using Phase = MoveTracker::Phase;

namespace {
constexpr int kDistance = 10;
} // namespace

// A click or a tap, or a press whose pointer moves less than the drag distance before the
// release, starts no move; nor does a pointer move after a release the game did not see.
TEST(MoveTracker, AClickOrATapMovesNothing) {
    MoveTracker tracker(kDistance);
    tracker.press({100, 100});
    EXPECT_FALSE(tracker.pointerMoved({104, 103}, true));
    EXPECT_FALSE(tracker.released(0));
    EXPECT_EQ(tracker.phase(), Phase::Idle);
    EXPECT_FALSE(tracker.pointerMoved({160, 150}, false));
    EXPECT_FALSE(tracker.windowMoved(0));

    tracker.press({100, 100});
    EXPECT_FALSE(tracker.pointerMoved({160, 150}, false)); // the button is up: a tap
    EXPECT_EQ(tracker.phase(), Phase::Idle);
    EXPECT_FALSE(tracker.pointerMoved({170, 150}, true));
}

// Moved the drag distance with the button held, the pressed point stays under the pointer:
// the window catches up with the pointer's way since the press, not since the drag began,
// whether it follows the pointer itself or is put there for the window system's loop. Its
// place is stored at the release.
TEST(MoveTracker, TheWindowKeepsThePressedPointUnderThePointer) {
    MoveTracker tracker(kDistance);
    tracker.press({100, 100});
    ASSERT_TRUE(tracker.pointerMoved({106, 104}, true));
    EXPECT_EQ(tracker.wayFromPress({106, 104}), (MovePoint{6, 4}));
    tracker.ownMoveStarted({300, 132});
    EXPECT_EQ(tracker.ownMoveTarget({106, 104}), (MovePoint{306, 136}));
    EXPECT_EQ(tracker.ownMoveTarget({146, 134}), (MovePoint{346, 166}));
    EXPECT_EQ(tracker.ownMoveTarget({60, 90}), (MovePoint{260, 122}));
    EXPECT_TRUE(tracker.released(5));
    EXPECT_EQ(tracker.phase(), Phase::Idle);
    EXPECT_FALSE(tracker.windowMoved(6));
}

// The window system's moves during its loop, and until a short while after the pointer comes
// back, are the drag's; a later move (a monitor gone, a shortcut) and a move after the player's
// next press are not.
TEST(MoveTracker, TheSystemMoveSettlesForAShortWhileAfterThePointerComesBack) {
    MoveTracker tracker(kDistance);
    tracker.press({100, 100});
    ASSERT_TRUE(tracker.pointerMoved({100, 112}, true));
    tracker.systemMoveStarted();
    EXPECT_TRUE(tracker.windowMoved(1000));
    EXPECT_TRUE(tracker.pointerBack(1200));
    EXPECT_FALSE(tracker.pointerBack(1201)); // said once
    // A timer that ends early finds the settling not over, with the rest of its time.
    EXPECT_EQ(tracker.settlingLeft(1200), MoveTracker::kSettleMs + 1);
    EXPECT_EQ(tracker.settlingLeft(1200 + MoveTracker::kSettleMs - 20), 21u);
    EXPECT_EQ(tracker.settlingLeft(1201 + MoveTracker::kSettleMs), 0u);
    EXPECT_TRUE(tracker.windowMoved(1200 + MoveTracker::kSettleMs));
    EXPECT_TRUE(tracker.watching(1200 + MoveTracker::kSettleMs));
    EXPECT_FALSE(tracker.windowMoved(1201 + MoveTracker::kSettleMs));
    EXPECT_EQ(tracker.phase(), Phase::Idle);

    tracker.press({100, 100});
    ASSERT_TRUE(tracker.pointerMoved({112, 100}, true));
    tracker.systemMoveStarted();
    EXPECT_TRUE(tracker.released(50)); // a release the game sees is the pointer back too
    tracker.stop();                    // the player pressed elsewhere
    EXPECT_FALSE(tracker.windowMoved(60));
    EXPECT_FALSE(tracker.watching(60));

    // The clock wraps around after 49 days; the settling still ends on time.
    tracker.press({0, 0});
    ASSERT_TRUE(tracker.pointerMoved({0, 20}, true));
    tracker.systemMoveStarted();
    EXPECT_TRUE(tracker.pointerBack(0xFFFFFF00u));
    EXPECT_TRUE(tracker.windowMoved(0xFFFFFF00u + 100));
    EXPECT_FALSE(tracker.windowMoved(0xFFFFFF00u + MoveTracker::kSettleMs + 1));
}
