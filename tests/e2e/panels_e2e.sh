#!/usr/bin/env bash
# The skinned window on a real X server: the side panels from the popup menu and the width
# that follows them, dragging the window by its title, a right press that opens the menu
# without moving it, the dialogs as the desktop shows them, and the next start opening where
# the window was dragged. Leaves a screenshot of the widest window in SHOT_DIR if set.
# Usage: panels_e2e.sh RUNTIME_DIR    (needs DISPLAY; exits 77 to skip without one)
set -euo pipefail
RUNTIME=$1
. "$(dirname "$0")/lib.sh"
e2e_begin

# i3 keeps a frame around the window (drawn empty for a borderless one) at the place asked,
# the window itself 2 pixels right of and 18 below; the other managers put it at the place.
shift_x=0 shift_y=0
[ "${E2E_WM:-}" != i3 ] || shift_x=2 shift_y=18
read -r none one both < <(. "$RUNTIME/brainlock-facts.sh" && echo "$layout_window_widths")
height=$(window_height_of "$RUNTIME")
start_game
expect_window "$one" "$((300 + shift_x)),$((132 + shift_y))" "the first run's window" # with the log
read -r x y _ < <(window_geometry)
# The taskbar matches the window to the menu entry by its class, and shows its icon.
entry="$(dirname "$0")/../../resources/example.norvane.brainlock.desktop.in"
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
xprop -id "$wid" WM_CLASS | grep -q "\"$class\"\$" ||
  fail "the window's class is not the menu entry's \"$class\": $(xprop -id "$wid" WM_CLASS)"
[[ $(xprop -id "$wid" _NET_WM_ICON) == *"Icon (48 x 48)"* ]] || fail "the window carries no icon"
echo "the window's class is the menu entry's \"$class\", and it carries the game's icon"

menu_item l # Hide Logs
wait_for_width "$none" "with the log hidden the window"
menu_item o # Show Options
wait_for_width "$one" "with the options shown the window"
menu_item l # Show Logs
wait_for_width "$both" "with both panels shown the window"
echo "panels: $one, $none, $one, $both wide as they are hidden and shown"
if [ -n "${SHOT_DIR:-}" ]; then
  import -window root -crop "${both}x$height+$x+$y" "$SHOT_DIR/panels.png"
fi

# A left-button drag of the title moves the window by the pointer's whole way from the press.
old="$x,$y"
dragged="$((x + 40)),$((y + 30))"
drag_title 40 30
wait_for_place "$dragged" || fail "dragged from $old by 40,30 to $(window_place), expected $dragged"
echo "dragging the title moved the window from $old to $(window_place)"

# A tap on the title (press and release together, as a touchpad's tap-to-click makes them) is
# no drag: the pointer moving on without a button leaves the window where it is. And a right
# press opens the menu and leaves the window where it is (the menu's round trip also shows
# that the pointer's moves have all been dealt with).
point $(title_point 20)
xdotool click 1
point $(centre ssNum3)
before=$(shown_windows)
point $(title_point 20)
xdotool mousedown 3
menu=$(wait_for_new_windows "$before") ||
  fail "after a tap and a move, a right press on the title opened no menu (is the window system moving the window?)"
xdotool mouseup 3
xdotool key Escape
# shellcheck disable=SC2086 # one id a word
wait_until 10 windows_gone $menu || fail "Escape left the menu open"
place=$(window_place)
[ "$place" = "$dragged" ] || fail "a tap and a move, then a right press, moved the window to $place"
echo "a tap followed by a move, and a right press, left the window at $place"

# Give Up shows the game's own dialog; then the exit question. Both centred on the screen.
menu_item u
lose=$(timeout 10 xdotool search --sync --onlyvisible --name '^You Lose !!$' | head -n 1) ||
  fail "Give Up showed no window captioned \"You Lose !!\""
check_dialog "$lose" '"You Lose !!"' centred
xdotool windowfocus --sync "$lose" key Return
wait_until 10 window_gone "$lose" || fail "Enter left \"You Lose !!\" open"
dialog=$(ask_to_exit)
check_dialog "$dialog" "the exit question" centred
answer_yes "$dialog"

# The place to ask for is saved, 40,30 from the first (i3's frame taken off), and the next
# start opens where the drag left the window.
conf="$XDG_CONFIG_HOME/Norvane/Brainlock.conf"
grep -qx 'Left=340' "$conf" && grep -qx 'Top=162' "$conf" ||
  fail "the settings file does not hold the place 340,162 for the dragged $dragged: $(grep -E '^(Left|Top)=' "$conf" | paste -sd' ')"
start_game
place=$(window_place)
[ "$place" = "$dragged" ] || fail "the next start opened at $place, expected the dragged place $dragged"
echo "the dragged place $dragged was saved (as 340,162) and the next start opened there"
exit_game
