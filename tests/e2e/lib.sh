# Sourced by the end-to-end tests: starts the real game from its runtime folder on the X
# server in DISPLAY, finds its window, and gives the tests clicks in window coordinates.
# Needs: RUNTIME (the runtime folder). Sets: pid, wid, X, Y, WIDTH, HEIGHT, work.
if [ -z "${DISPLAY:-}" ]; then
  echo "no DISPLAY: the end-to-end test needs an X server (scripts/test starts one)"
  exit 77
fi
work=$(mktemp -d)
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  [ -s "$work/stderr" ] && { echo "the game's standard error:"; cat "$work/stderr"; }
  exit 1
}

# Starts the game with its settings in a folder of this test's own.
start_game() {
  export XDG_CONFIG_HOME="$work/config"
  (cd "$RUNTIME" && exec ./brainlock) 2>>"$work/stderr" &
  pid=$!
  wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Brainlock Game$' | head -n 1) ||
    fail "the main window did not appear"
  sleep 0.5 # its first paint, before it is clicked
  geometry
}
geometry() { eval "$(xdotool getwindowgeometry --shell "$wid")"; }
# Puts the pointer at a point of the window. (xdotool's --sync would wait for a move that
# never comes when the pointer is there already.)
point() { xdotool mousemove $((X + $1)) $((Y + $2)); sleep 0.1; }
click() { point "$1" "$2"; xdotool click 1; sleep 0.15; }
# Opens the popup menu over the title and picks an item by its accelerator key.
menu_item() {
  point 60 12
  xdotool click 3
  sleep 0.3
  xdotool key "$1"
  sleep 0.3
  geometry
}
# Starts the game, which must stop at once: an "Application Error" box appears, Enter closes
# it and the game ends with code 1. $1 says what is wrong, for the messages.
expect_startup_error() {
  (cd "$RUNTIME" && exec ./brainlock) 2>"$work/stderr" &
  pid=$!
  local box status=0
  box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Application Error$' | head -n 1) ||
    fail "$1: no \"Application Error\" box"
  xdotool windowfocus --sync "$box" key Return
  timeout 10 tail --pid="$pid" -f /dev/null || fail "$1: the game did not end after the box"
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 1 ] || fail "$1: the game ended with code $status, expected 1"
}

# Clicks the game panel's "X" (moved right by the extra width, if given), answers the exit
# question with Yes and expects the game to end with code 0.
exit_game() {
  click $((171 + ${1:-0})) 9
  local dialog status=0
  dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Confirm$' | head -n 1) ||
    fail "the exit question did not appear"
  xdotool windowfocus --sync "$dialog" key alt+y
  timeout 10 tail --pid="$pid" -f /dev/null || fail "the game did not end after Yes"
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "the game ended with code $status"
  echo "exit question answered Yes: the game ended with code 0"
}
