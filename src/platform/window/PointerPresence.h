// Whether the pointer is over a control. The window system's enter and leave notifications
// tell it, except while a mouse button is held: Qt gives the pressed control no enter or
// leave until the release, and then sends what the moves have already told. So the moves
// made with a button held tell it too, and a notification that repeats what is known is
// dropped.
#pragma once

namespace platform {

class PointerPresence {
public:
    // The pointer is now inside (or not); true when that is news.
    bool update(bool inside) {
        if (inside == inside_) return false;
        inside_ = inside;
        return true;
    }
    bool inside() const { return inside_; }

private:
    bool inside_ = false;
};

} // namespace platform
