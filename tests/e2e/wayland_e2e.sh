#!/usr/bin/env bash
# The game on a Wayland-only session: weston's desktop shell, nested in a window of the X
# server in DISPLAY so that xdotool's pointer and keys reach it, and the game started without
# any X display, so that it runs as a native Wayland client. It starts, scores a wrong guess,
# is dragged through the compositor, ends with "X" and Yes, and keeps the stored place that a
# Wayland client can neither use nor learn.
# Usage: wayland_e2e.sh RUNTIME_DIR READ_SEVEN    (needs DISPLAY, weston and qt6-wayland)
set -euo pipefail
RUNTIME=$1
reader=$2
. "$(dirname "$0")/lib.sh"
command -v weston >/dev/null || { echo "weston is not installed"; exit 77; }
dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null | grep -q 'ok installed' ||
  { echo "qt6-wayland is not installed"; exit 77; }

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --use-pixman --width=800 --height=600 --socket=brainlock \
  --idle-time=0 --no-config >"$work/weston.log" 2>&1 &
helpers+=($!)
output=$(timeout 10 xdotool search --sync --class '^Weston Compositor$') ||
  fail "weston did not start: $(cat "$work/weston.log")"
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/brainlock" ] && break; sleep 0.1; done
eval "$(xdotool getwindowgeometry --shell "$output" | sed 's/^/OUT_/')"

# A place stored by an earlier run on X11, which this run must keep.
export XDG_CONFIG_HOME="$work/config"
conf="$XDG_CONFIG_HOME/Norvane/Brainlock.conf"
mkdir -p "$(dirname "$conf")"
printf '[General]\nLeft=123\nTop=77\nDigit=4\nDuplicate=0\nMusic=0\nSound=1\nLogs=1\nOption=0\n' >"$conf"
# Qt's Wayland plugin and libwayland-client keep allocations past the exit, and the plugin is
# unloaded before a sanitizer build's leak check, which then cannot name them for a
# suppression: this one run goes without the leak check (the X11 runs keep it).
(cd "$RUNTIME" && exec env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=brainlock \
  ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=0" ./brainlock) 2>>"$work/stderr" &
pid=$!

# The compositor places the window: find it on screen by its skin, whose brown starts three
# pixels right of and two below the window's corner.
find_window() {
  local box
  import -window "$output" "$work/output.png"
  box=$(convert "$work/output.png" -fill black +opaque 'rgb(128,63,0)' -trim -format '%X %Y %w' info: 2>/dev/null) || return 1
  read -r X Y brown <<<"${box//+/}"
  [ "${brown:-0}" -gt 300 ] || return 1
  X=$((OUT_X + X - 3))
  Y=$((OUT_Y + Y - 2))
}
for _ in $(seq 100); do find_window && break; sleep 0.2; done
find_window || fail "the game's window did not appear on the Wayland session"
kill -0 "$pid" 2>/dev/null || fail "the game ended"
echo "the game runs as a Wayland client, placed by the compositor at $X,$Y"

left=$(guesses_left)
[ "$left" = "11" ] || fail "ssLeft shows $left at the start, expected 11"
play_a_wrong_guess
echo "a wrong guess took ssLeft from 11 to 10"

# A drag by the title moves the window through the compositor.
from="$X,$Y"
drag_title -60 50
X=$((X - 60)) Y=$((Y + 50)) # where the title now is, to find the window near it
find_window || fail "the window is gone after the drag"
[ "$X,$Y" != "$from" ] || fail "the drag left the window at $from"
echo "dragging the title moved the window from $from to $X,$Y"

click 171 9 # "X": the exit question takes the keyboard
sleep 1
xdotool key alt+y
wait_for_end "Yes on the Wayland session"
[ "$status" -eq 0 ] || fail "the game ended with code $status"
grep -qx 'Left=123' "$conf" && grep -qx 'Top=77' "$conf" ||
  fail "the stored place was overwritten: $(grep -E '^(Left|Top)=' "$conf" | paste -sd' ')"
echo "\"X\" and Yes ended the game with code 0; the stored place 123,77 was kept"
