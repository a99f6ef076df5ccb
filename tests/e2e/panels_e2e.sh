#!/usr/bin/env bash
# The skinned window on a real X server: the side panels from the popup menu and the width
# that follows them, dragging the window by its title, and a right press that opens the
# menu without moving it. Leaves a screenshot of the widest window in SHOT_DIR if set.
# Usage: panels_e2e.sh RUNTIME_DIR    (needs DISPLAY; exits 77 to skip without one)
set -euo pipefail
RUNTIME=$1
. "$(dirname "$0")/lib.sh"

start_game
[ "${WIDTH}x${HEIGHT}@$X,$Y" = "328x304@300,132" ] ||
  fail "first run: ${WIDTH}x${HEIGHT} at $X,$Y, expected 328x304 at 300,132"

menu_item l # Hide Logs
[ "$WIDTH" = 182 ] || fail "hiding the log left the window $WIDTH wide, expected 182"
menu_item o # Show Options
[ "$WIDTH" = 328 ] || fail "showing the options made the window $WIDTH wide, expected 328"
menu_item l # Show Logs
[ "$WIDTH" = 474 ] || fail "showing both panels made the window $WIDTH wide, expected 474"
echo "panels: 328, 182, 328, 474 wide as they are hidden and shown"
if [ -n "${SHOT_DIR:-}" ]; then
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" "$SHOT_DIR/panels.png"
fi

# A left-button drag of the title moves the window by the drag distance.
point 60 12
xdotool mousedown 1
for step in 1 2 3 4 5; do
  point $((60 + 8 * step)) $((12 + 6 * step))
done
xdotool mouseup 1
sleep 0.3
old="$X,$Y"
geometry
[ "$X,$Y" = "340,162" ] || fail "dragged from $old by 40,30 to $X,$Y, expected 340,162"
echo "dragging the title moved the window from $old to $X,$Y"

# A right press opens the menu and leaves the window where it is.
point 60 12
xdotool mousedown 3
sleep 0.3
windows=$(xdotool search --onlyvisible --pid "$pid" | wc -l)
[ "$windows" -ge 2 ] || fail "a right press on the title opened no menu"
xdotool mouseup 3
sleep 0.2
xdotool key Escape
sleep 0.2
geometry
[ "$X,$Y" = "340,162" ] || fail "a right press moved the window to $X,$Y"
echo "a right press left the window at $X,$Y"

exit_game
