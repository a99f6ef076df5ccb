// The course of a drag of a borderless window by the pointer, apart from any window system, so
// that it can be driven by synthetic events. A press becomes a drag only once the pointer has
// moved the drag distance with the button still held: a click or a tap moves nothing. From
// there the point the player pressed stays under the pointer, as in any window's title bar:
// the window catches up with the pointer's way since the press, then either the window
// system's move loop moves it on, or the window follows the pointer itself, in the same way. The
// window system's loop is over when the pointer comes back to the game (or the system says its loop
// ended); its moves of the window until a short while after that are the drag's own, and any later
// move (a monitor going away, a shortcut) is not.
#pragma once

#include <cstdint>

namespace platform {

struct MovePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(MovePoint, MovePoint) = default;
};

class MoveTracker {
public:
    enum class Phase { Idle, Pressed, OwnMove, SystemMove, Settling };
    // How long after the pointer comes back the window system's moves still belong to the drag.
    static constexpr std::uint32_t kSettleMs = 500;

    explicit MoveTracker(int dragDistance)
        : dragDistance_(dragDistance) {}

    Phase phase() const { return phase_; }

    // A left press that may start a drag, at the pointer's global position.
    void press(MovePoint global);
    // The pointer moved. True when this move starts the drag: the caller asks the window
    // system's loop, then says which kind of move it got.
    bool pointerMoved(MovePoint global, bool leftHeld);
    // The pointer's way since the press, to `global`: how far the window has to go to put the
    // pressed point back under the pointer.
    MovePoint wayFromPress(MovePoint global) const {
        return {global.x - press_.x, global.y - press_.y};
    }
    void systemMoveStarted();
    // The window follows the pointer itself from `windowPos`, its place at the press.
    void ownMoveStarted(MovePoint windowPos);
    // Where a window that follows the pointer itself goes for the pointer at `global`.
    MovePoint ownMoveTarget(MovePoint global) const {
        const MovePoint way = wayFromPress(global);
        return {startPos_.x + way.x, startPos_.y + way.y};
    }

    // Each returns true when the window's place is now to be stored.
    // The left button came up where the game sees it.
    bool released(std::uint32_t nowMs);
    // The pointer is back after the window system's loop: an Enter, a press or a release,
    // or the system's word that its loop has ended.
    bool pointerBack(std::uint32_t nowMs);
    // The window moved.
    bool windowMoved(std::uint32_t nowMs);
    // Ends the settling once its time is up; true while the tracker still needs events.
    bool watching(std::uint32_t nowMs);
    // How long the settling has still to run (0 when it is not settling), so that a timer
    // that ends a little early is set again for the rest.
    std::uint32_t settlingLeft(std::uint32_t nowMs) const;
    // The player has moved on to something else (a press that starts no drag).
    void stop() { phase_ = Phase::Idle; }

private:
    bool settled(std::uint32_t nowMs) const { return nowMs - settlingSince_ > kSettleMs; }

    int dragDistance_;
    Phase phase_ = Phase::Idle;
    MovePoint press_;
    MovePoint startPos_; // the window at the press, for its own move
    std::uint32_t settlingSince_ = 0;
};

} // namespace platform
