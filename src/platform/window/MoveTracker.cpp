#include "platform/window/MoveTracker.h"

#include <cstdlib>

namespace platform {

void MoveTracker::press(MovePoint global) {
    phase_ = Phase::Pressed;
    press_ = global;
}

bool MoveTracker::pointerMoved(MovePoint global, bool leftHeld) {
    if (phase_ != Phase::Pressed) return false;
    if (!leftHeld) { // the release went elsewhere: it was a click after all
        phase_ = Phase::Idle;
        return false;
    }
    return std::abs(global.x - press_.x) + std::abs(global.y - press_.y) >= dragDistance_;
}

void MoveTracker::systemMoveStarted() {
    phase_ = Phase::SystemMove;
}

void MoveTracker::ownMoveStarted(MovePoint windowPos) {
    phase_ = Phase::OwnMove;
    startPos_ = windowPos;
}

bool MoveTracker::released(std::uint32_t nowMs) {
    switch (phase_) {
    case Phase::Pressed:
        phase_ = Phase::Idle;
        return false;
    case Phase::OwnMove:
        phase_ = Phase::Idle;
        return true;
    case Phase::SystemMove:
        return pointerBack(nowMs);
    case Phase::Idle:
    case Phase::Settling:
        break;
    }
    return false;
}

bool MoveTracker::pointerBack(std::uint32_t nowMs) {
    if (phase_ != Phase::SystemMove) return false;
    phase_ = Phase::Settling;
    settlingSince_ = nowMs;
    return true;
}

bool MoveTracker::windowMoved(std::uint32_t nowMs) {
    if (phase_ == Phase::SystemMove) return true; // Windows' loop gives no other sign of its end
    return phase_ == Phase::Settling && watching(nowMs);
}

std::uint32_t MoveTracker::settlingLeft(std::uint32_t nowMs) const {
    if (phase_ != Phase::Settling || settled(nowMs)) return 0;
    return kSettleMs + 1 - (nowMs - settlingSince_);
}

bool MoveTracker::watching(std::uint32_t nowMs) {
    if (phase_ == Phase::Settling && settled(nowMs)) phase_ = Phase::Idle;
    return phase_ != Phase::Idle;
}

} // namespace platform
