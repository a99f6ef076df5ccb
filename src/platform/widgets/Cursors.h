// The program's own screen cursors, registered once at start-up under fixed numbers (15000
// to 15004: hand point, small hand point, grab hand, grab hand with arrow, drag hand), each
// a 32 x 32 monochrome picture with its hot spot.
#pragma once

#include <QCursor>

namespace platform {

constexpr int crHandPoint = 15000;
constexpr int crSmallHandPoint = 15001;
constexpr int crGrabHand = 15002;
constexpr int crGrabHandArrow = 15003;
constexpr int crDragHand = 15004;

void registerCursors();
// The cursor registered under that number; the arrow for a number not registered.
QCursor screenCursor(int number);

} // namespace platform
