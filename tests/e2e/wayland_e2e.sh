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
e2e_begin
command -v weston >/dev/null || { echo "weston is not installed"; exit 77; }
dpkg-query -W -f='${Status}' qt6-wayland 2>/dev/null | grep -q 'ok installed' ||
  { echo "qt6-wayland is not installed"; exit 77; }

export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The desktop shell without its panel (whose launcher would take clicks meant for the game),
# without animations (a window zooming in is not yet where it will be) and on a plain
# background the skin's brown cannot be mistaken for.
printf '%s\n' '[shell]' panel-position=none background-color=0xff204060 animation=none \
  close-animation=none startup-animation=none focus-animation=none locking=false >"$work/weston.ini"
# Weston's X11 back end follows the X pointer by its relative motion from where it entered
# weston's window: a pointer already inside the window when weston starts never enters it, and
# weston's pointer is then off by wherever the X pointer was. So the pointer waits outside the
# 800x600 window, and enters it with the first click.
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
xdotool mousemove $((screen_width - 1)) $((screen_height - 1))
weston --backend=x11-backend.so --use-pixman --width=800 --height=600 --socket=brainlock \
  --idle-time=0 --config="$work/weston.ini" >"$work/weston.log" 2>&1 &
helpers+=($!)
output=$(timeout 10 xdotool search --sync --class '^Weston Compositor$') ||
  fail "weston did not start: $(cat "$work/weston.log")"
wait_until 10 test -S "$XDG_RUNTIME_DIR/brainlock" || fail "weston made no socket: $(cat "$work/weston.log")"
eval "$(xdotool getwindowgeometry --shell "$output" | sed 's/^/OUT_/')"

# A place stored by an earlier run on X11, which this run must keep.
export XDG_CONFIG_HOME="$work/config"
conf="$XDG_CONFIG_HOME/Norvane/Brainlock.conf"
write_settings "$RUNTIME" "$conf" Left=123 Top=77 Music=0
# Qt's Wayland plugin and libwayland-client keep allocations past the exit, and the plugin is
# unloaded before a sanitizer build's leak check, which then cannot name them for a
# suppression: this one run goes without the leak check (the X11 runs keep it).
(cd "$RUNTIME" && exec env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=brainlock \
  ASAN_OPTIONS="${ASAN_OPTIONS:-}${ASAN_OPTIONS:+:}detect_leaks=0" ./brainlock) 2>>"$work/stderr" &
pid=$!

# Where the window is, found on the output: the clicks go there.
E2E_ORIGIN=$(wait_on_output 20 "$output" "$OUT_X" "$OUT_Y") ||
  fail "the game's window did not appear whole on the Wayland session"
kill -0 "$pid" 2>/dev/null || fail "the game ended"
read -r x y <<<"$E2E_ORIGIN"
echo "the game runs as a Wayland client, placed by the compositor at $x,$y"

left=$(guesses_left 11)
[ "$left" = "11" ] || fail "ssLeft shows $left at the start, expected 11"
play_a_wrong_guess
echo "a wrong guess took ssLeft from 11 to 10"

# A drag by the title moves the window through the compositor, towards the output's middle so
# that it stays whole on the output. Weston keeps the pressed point under the pointer: the
# window moves by the pointer's whole way from the press.
from="$x,$y"
read -r dx dy < <(drag_toward_middle "$OUT_X" "$OUT_Y" "$OUT_WIDTH" "$OUT_HEIGHT")
drag_title "$dx" "$dy"
moved_by_drag() {
  at=$(find_on_output "$output" "$OUT_X" "$OUT_Y") && [ "${at/ /,}" = "$((x + dx)),$((y + dy))" ]
}
wait_until 10 moved_by_drag || fail "dragged by $dx,$dy from $from, the window is at ${at:-nowhere}"
E2E_ORIGIN=$at
echo "dragging the title by $dx,$dy from the press moved the window from $from to ${at/ /,}"

# "X": the exit question opens over the game (the screen changes) and takes the keyboard.
import -window "$output" "$work/before-exit.png"
click $(centre tbCloseMain)
question_shown() {
  import -window "$output" "$work/question.png"
  [ "$(compare -metric AE "$work/before-exit.png" "$work/question.png" null: 2>&1 || true)" -gt 2000 ]
}
wait_until 10 question_shown || fail "\"X\" showed no exit question"
xdotool key alt+y
wait_for_end "Yes on the Wayland session" 0
grep -qx 'Left=123' "$conf" && grep -qx 'Top=77' "$conf" ||
  fail "the stored place was overwritten: $(grep -E '^(Left|Top)=' "$conf" | paste -sd' ')"
echo "\"X\" and Yes ended the game with code 0; the stored place 123,77 was kept"
