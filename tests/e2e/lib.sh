# Sourced by the end-to-end tests: starts the real game from its runtime folder on the X
# server in DISPLAY, finds its window, and gives the tests clicks in window coordinates.
# Sourcing it defines functions and nothing else; e2e_begin starts the test's session.
# With E2E_WM=openbox (or i3, or xfwm4) the script runs under that window manager, started for
# it and stopped with it; otherwise on the bare server.
# Needs: RUNTIME (the runtime folder); GAME, the command that starts the game there, may be
# set before (./brainlock by default), E2E_CONFIG_HOME, where its settings go, and FACTS, the
# folder of the game's facts (brainlock-facts.sh) when not RUNTIME. E2E_ORIGIN, when a test
# sets it ("x y"), is where the window's corner is on a nested compositor's output, which the
# X server cannot tell. The session's own state is work (e2e_begin), pid and wid (start_game:
# the game, a child of the test's shell, and its main window); the other functions print what
# they find, or say it by their exit status.
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/facts-lib"

# The test's session: a scratch folder (work) removed at the end, with every process the test
# started for itself (helpers) stopped, and the window manager E2E_WM names. Exits 77 (skip)
# without an X server.
e2e_begin() {
  if [ -z "${DISPLAY:-}" ]; then
    echo "no DISPLAY: the end-to-end test needs an X server (scripts/test starts one)"
    exit 77
  fi
  work=$(mktemp -d)
  [ -n "${GAME:-}" ] || GAME=(./brainlock)
  pid=""
  wm_pid=""
  helpers=() # processes a script started for itself, stopped with it
  at_exit_commands=()
  trap cleanup EXIT
  [ -z "${E2E_WM:-}" ] || start_wm "$E2E_WM"
}
# Runs a command as the test ends, before its processes are stopped (an unmount, say).
at_exit() { at_exit_commands+=("$*"); }
cleanup() {
  local command
  for command in "${at_exit_commands[@]}"; do eval "$command" || true; done
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  local helper
  for helper in $wm_pid "${helpers[@]}"; do # some (Orca) may not end on a plain kill
    kill "$helper" 2>/dev/null || continue
    for _ in $(seq 50); do kill -0 "$helper" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$helper" 2>/dev/null || true
    wait "$helper" 2>/dev/null || true
  done
  if [ -n "${E2E_KEEP_WORK:-}" ]; then echo "the test's files are kept in $work"; else rm -rf "$work"; fi
}
# On standard error, so that a function whose output is taken fails aloud.
fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/stderr" ] && { echo "the game's standard error:"; cat "$work/stderr"; } >&2
  exit 1
}

# The window manager's check window, once one runs.
wm_running() {
  local check
  check=$(xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | sed -n 's/.*window id # //p')
  [ -n "$check" ] && xwininfo -id "$check" >/dev/null 2>&1
}
# The window manager E2E_WM names; xfwm4 on a session bus of its own, without which it ends.
start_wm() {
  local command
  case $1 in
    openbox) command=(openbox --sm-disable) ;;
    i3) # floating the game's fixed-size window, as i3 floats every dialog-sized window
      printf '# i3 config file (v4)\nfont pango:monospace 8\n' >"$work/i3.config"
      command=(i3 -c "$work/i3.config") ;;
    xfwm4)
      export DBUS_SESSION_BUS_ADDRESS="unix:path=$work/wm-bus"
      dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" >/dev/null 2>&1 &
      helpers+=($!)
      wait_until 10 test -S "$work/wm-bus" || fail "no session bus for xfwm4"
      command=(xfwm4 --compositor=off --sm-client-disable) ;;
    *) echo "unknown window manager $1"; exit 2 ;;
  esac
  command -v "$1" >/dev/null || { echo "$1 is not installed"; exit 77; }
  wm_running && { echo "another window manager runs on $DISPLAY"; exit 1; }
  "${command[@]}" >"$work/wm.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do wm_running && break; sleep 0.1; done
  wm_running || fail "$1 did not start: $(cat "$work/wm.log")"
  echo "under $1"
}
# Runs a command every tenth of a second until it succeeds or $1 seconds have passed: the
# tests wait for the thing itself (a window, a pixel, a file), however busy the machine is.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# A PulseAudio server of this test's own with one null sink, "e2e", the default: what the
# game (and a screen reader's speech server) plays goes there, as on a desktop's sound server.
start_sound_server() {
  local server="$work/pulse"
  mkdir -p "$server"
  export PULSE_RUNTIME_PATH="$server" PULSE_STATE_PATH="$server" PULSE_SERVER="unix:$server/native"
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
    -L "module-null-sink sink_name=e2e rate=44100" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$server/native" 2>"$work/pulse.log" &
  helpers+=($!)
  wait_until 10 eval 'pactl info >/dev/null 2>&1'
  pactl set-default-sink e2e || fail "no PulseAudio server: $(cat "$work/pulse.log")"
}

# The game's visible windows captioned "Brainlock Game": the main window and its message boxes;
# the game's own, unless GAME_WINDOWS_BY_NAME is set (under Wine, whose windows belong to a
# process of Wine's own).
game_windows() {
  if [ -n "${GAME_WINDOWS_BY_NAME:-}" ]; then
    xdotool search --onlyvisible --name '^Brainlock Game$' 2>/dev/null || true
  else
    xdotool search --onlyvisible --pid "$pid" --name '^Brainlock Game$' 2>/dev/null || true
  fi
}
# Starts the game with its settings in a folder of this test's own (or E2E_CONFIG_HOME's).
start_game() {
  export XDG_CONFIG_HOME="${E2E_CONFIG_HOME:-$work/config}"
  (cd "$RUNTIME" && exec "${GAME[@]}") 2>>"$work/stderr" &
  pid=$!
  # Polled rather than xdotool's --sync, which gives up when a window it looks at goes away
  # meanwhile (Wine makes and drops windows as a program starts).
  game_shown() { [ -n "$(game_windows)" ]; }
  wait_until "${GAME_START_SECONDS:-20}" game_shown || fail "the main window did not appear"
  local w height main_height
  main_height=$(window_height_of "${FACTS:-$RUNTIME}")
  wid=""
  for w in $(game_windows); do # a message box may share the caption: the main one is taller
    read -r _ _ _ height < <(window_geometry "$w")
    [ "$height" = "$main_height" ] && wid=$w
  done
  [ -n "$wid" ] || fail "no window of the game's height $main_height"
  wait_until "${GAME_START_SECONDS:-20}" painted || fail "the window was never painted"
}
# A window's place and size on the screen, "x y width height": the game's main one, or $1.
window_geometry() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "${1:-$wid}")"
  echo "$X $Y $WIDTH $HEIGHT"
}
# The main window's corner on the screen, "x y": E2E_ORIGIN where the test found it on a
# nested output, else as the X server has it now.
origin() {
  local x y
  if [ -n "${E2E_ORIGIN:-}" ]; then echo "$E2E_ORIGIN"; else read -r x y _ < <(window_geometry); echo "$x $y"; fi
}
# The colour of the screen's pixel at a point, as "r,g,b": of the window ($1, $2), or of the
# screen with "at" before them.
pixel() {
  local x y
  if [ "$1" = at ]; then x=$2 y=$3; else read -r x y < <(origin); x=$((x + $1)) y=$((y + $2)); fi
  import -window root -crop "1x1+$x+$y" -depth 8 txt:- 2>/dev/null |
    sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | tail -n 1
}
# The skin's brown, three pixels right of and two below the window's corner, is on screen.
skin_brown="128,63,0"
painted() { [ "$(pixel 3 2)" = "$skin_brown" ]; }
# Where a compositor placed the window on the output nested in the X window $1, whose corner
# is at $2, $3: found by its skin, whose brown starts three pixels right of and two below the
# window's corner. Whole on the output when the brown is as wide as the window with the log
# but for those pixels at each side, and its corner shows the brown. Prints the corner, "x y".
find_on_output() {
  local box x y brown whole
  import -window "$1" "$work/output.png"
  box=$(convert "$work/output.png" -fill black +opaque "rgb($skin_brown)" -trim -format '%X %Y %w' info: 2>/dev/null) || return 1
  read -r x y brown <<<"${box//+/}"
  whole=$(($(window_width_of "${FACTS:-$RUNTIME}" 1) - 6))
  [ "${brown:-0}" -ge "$whole" ] || return 1
  x=$(($2 + x - 3)) y=$(($3 + y - 2))
  [ "$(pixel at $((x + 3)) $((y + 2)))" = "$skin_brown" ] || return 1
  echo "$x $y"
}
# A drag of 60 by 50 pixels that takes the window (where E2E_ORIGIN has it, the log shown)
# toward the middle of the nested output at $1, $2 of $3 by $4 pixels, so that it stays whole
# on the output: "dx dy".
drag_toward_middle() {
  local x y dx=60 dy=50 middle_x middle_y
  read -r x y < <(origin)
  middle_x=$((x - $1 + $(window_width_of "${FACTS:-$RUNTIME}" 1) / 2))
  middle_y=$((y - $2 + $(window_height_of "${FACTS:-$RUNTIME}") / 2))
  [ "$middle_x" -lt $(($3 / 2)) ] || dx=-60
  [ "$middle_y" -lt $(($4 / 2)) ] || dy=-50
  echo "$dx $dy"
}
# Waits up to $1 seconds for find_on_output (given the rest) to find the window; prints it.
wait_on_output() {
  local deadline=$((SECONDS + $1)) at
  shift
  until at=$(find_on_output "$@"); do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
  echo "$at"
}
# Waits for a message box of the game's besides the main window, closes it with Enter and
# prints the last error the game logged on standard error (it logs what its boxes say).
message_box_text() {
  local w box="" seen="" i
  for i in $(seq 50); do # the same box twice in a row: Qt may replace a new box's window
    box=""
    for w in $(game_windows); do [ "$w" != "$wid" ] && box=$w; done
    [ -n "$box" ] && [ "$box" = "$seen" ] && break
    seen=$box
    sleep 0.2
  done
  [ -n "$box" ] || fail "no message box appeared"
  xdotool windowfocus --sync "$box" key Return
  wait_until 10 window_gone "$box" || fail "Enter left the message box open"
  sed -n 's/^brainlock: error: //p' "$work/stderr" | tail -n 1
}
# A control's centre in window coordinates ("x y"), from the game's own layout; $2, the extra
# width of a wider game.
centre() { centre_of "${FACTS:-$RUNTIME}" "$@"; }
# Typing a guess on the keypad.
type_digits() {
  local digits=$1 i
  for ((i = 0; i < ${#digits}; i++)); do
    # shellcheck disable=SC2046 # "x y", two words
    click $(centre "sb${digits:i:1}")
  done
}
# Whether a window is no longer on screen.
window_gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
# What ssLeft shows, read from a screenshot by READER (tests' read_seven); $2, the extra width
# of a wider game.
read_left() {
  local left top width height x y
  read -r left top width height < <(place_of "${FACTS:-$RUNTIME}" ssLeft "${2:-0}")
  read -r x y < <(origin)
  import -window root "$work/shot.png"
  "$reader" "$work/shot.png" $((x + left)) $((y + top)) "$width" "$height" 2 4 5
}
# What ssLeft shows once it shows $1, or what it still shows after ten seconds: a guess or a
# new game is painted when the game gets to it.
guesses_left() {
  local left deadline=$((SECONDS + 10))
  while left=$(read_left "$@"); [ "$left" != "$1" ] && [ "$SECONDS" -lt "$deadline" ]; do
    sleep 0.1
  done
  echo "$left"
}
# Plays wrong guesses until ssLeft reads 10: two guesses without a common digit cannot both
# be the secret.
play_a_wrong_guess() {
  local attempt left
  for attempt in 1234 5678; do
    type_digits "$attempt"
    click $(centre pbGuess)
    left=$(guesses_left 10)
    [ "$left" = "10" ] && return 0
  done
  fail "ssLeft shows $left after a wrong guess, expected 10"
}
# A window's frame as "X,Y WxH": its client area grown by the frame the window manager drew
# around it, as it says in _NET_FRAME_EXTENTS; a manager that says nothing (i3) draws the frame
# as the window it put the client in, below the root (on a bare server, the client itself).
frame_of() {
  local window=$1 parent info x y w h l=0 r=0 t=0 b=0 extents
  extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.*= //p')
  if [ -n "$extents" ]; then
    IFS=', ' read -r l r t b <<<"$extents"
  else
    while parent=$(xwininfo -children -id "$window" | sed -n 's/.*Parent window id: \(0x[0-9a-f]*\).*/\1/p') &&
      [ -n "$parent" ] && ! xwininfo -children -id "$parent" | grep -q '^  Parent window id: 0x[0-9a-f]* (none)'; do
      window=$parent
    done
  fi
  info=$(xwininfo -id "$window")
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/.*Width: *//p' <<<"$info")
  h=$(sed -n 's/.*Height: *//p' <<<"$info")
  echo "$((x - l)),$((y - t)) $((w + l + r))x$((h + t + b))"
}
# Checks what a dialog window of the game is on any desktop: transient for the main window,
# modal, fixed in size, asking for no minimize or maximize button; with "centred", its frame
# centred on the screen. $2 names it for the messages.
check_dialog() {
  local dialog=$1 name=$2 hints motif
  xprop -id "$dialog" WM_TRANSIENT_FOR | grep -qi "$(printf '0x%x' "$wid")\$" ||
    fail "$name is not transient for the game's window: $(xprop -id "$dialog" WM_TRANSIENT_FOR)"
  xprop -id "$dialog" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL || fail "$name is not modal"
  hints=$(xprop -id "$dialog" WM_NORMAL_HINTS)
  [ "$(sed -n 's/.*minimum size: //p' <<<"$hints")" = "$(sed -n 's/.*maximum size: //p' <<<"$hints")" ] ||
    fail "$name can be resized: $hints"
  motif=$(xprop -id "$dialog" _MOTIF_WM_HINTS | sed -n 's/.*= //p')
  IFS=', ' read -r _ functions decorations _ <<<"$motif"
  (( (functions & 0x18) == 0 && (decorations & 0x60) == 0 )) ||
    fail "$name asks for minimize or maximize: _MOTIF_WM_HINTS $motif"
  if [ "${3:-}" = centred ]; then
    local frame fx fy fw fh sw sh
    frame=$(frame_of "$dialog")
    IFS=',x ' read -r fx fy fw fh <<<"$frame"
    read -r sw sh < <(xwininfo -root | sed -n 's/.*Width: *//p; s/.*Height: *//p' | paste -sd' ')
    (( ${#frame} && (2 * fx + fw - sw) ** 2 <= 1 && (2 * fy + fh - sh) ** 2 <= 1 )) ||
      fail "$name's frame $frame is not centred on the ${sw}x$sh screen"
  fi
  if [ -n "$wm_pid" ]; then # the window manager's stacking order, bottom to top
    xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, /\n/g' |
      awk -v main="$(printf '0x%x' "$wid")" -v dialog="$(printf '0x%x' "$dialog")" \
        '$1 == main { m = NR } $1 == dialog { d = NR } END { exit !(m && d > m) }' ||
      fail "$name is not above the game's window"
  fi
  echo "$name: transient for the game, modal, fixed in size${3:+, $3 with its frame ($(frame_of "$dialog"))}"
}
# Puts the pointer at a point of the screen, and of the window. (xdotool's --sync would wait
# for a move that never comes when the pointer is there already.)
move_to() { xdotool mousemove "$1" "$2"; sleep 0.1; }
point() {
  local x y
  read -r x y < <(origin)
  move_to $((x + $1)) $((y + $2))
}
click() { point "$1" "$2"; xdotool click 1; sleep 0.15; }
# A point of the title, $1 pixels from its left edge, in window coordinates ("x y").
title_point() {
  local left top width height
  read -r left top width height < <(place_of "${FACTS:-$RUNTIME}" lTitle)
  echo "$((left + $1)) $((top + height / 2 - 1))"
}
# Drags the window by its title with the left button: the pointer ends $1, $2 pixels from
# the press, in five steps after a first one of 12 pixels to the right, past the platform's
# drag distance (Qt's default 10 pixels, on Windows 4), which starts the drag. The pressed
# point stays under the pointer: the window moves by exactly $1, $2.
drag_title() {
  local step x y ox oy
  read -r x y < <(title_point 8)
  read -r ox oy < <(origin) # where the window was: it moves under the pointer
  x=$((ox + x)) y=$((oy + y))
  move_to "$x" "$y"
  xdotool mousedown 1
  move_to $((x + 12)) "$y"
  for step in 1 2 3 4 5; do
    move_to $((x + $1 * step / 5)) $((y + $2 * step / 5))
  done
  xdotool mouseup 1
}
# The windows the game shows (the main window, a popup menu, message boxes), one id a line.
shown_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort; }
# The game's windows on screen now that are not among $1.
new_windows() { comm -13 <(echo "$1") <(shown_windows); }
# Waits up to 10 s for windows of the game's not among $1 (a menu, say); prints them.
wait_for_new_windows() {
  local deadline=$((SECONDS + 10)) shown
  until shown=$(new_windows "$1") && [ -n "$shown" ]; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
  echo "$shown"
}
# Whether every window given is off the screen.
windows_gone() { local w; for w; do window_gone "$w" || return 1; done; }
# Opens the popup menu over the title and picks an item by its accelerator key, once the menu
# is on screen; returns when the menu has closed.
menu_item() {
  local before menu
  before=$(shown_windows)
  point $(title_point 20)
  xdotool click 3
  menu=$(wait_for_new_windows "$before") || fail "a right click on the title opened no menu"
  xdotool key "$1"
  # shellcheck disable=SC2086 # one id a word
  wait_until 10 windows_gone $menu || fail "the menu stayed open after \"$1\""
}
# Fails unless the main window is $1 wide and the game's height, and (given $2, "x,y") has its
# corner there; $3 names the moment for the message.
expect_window() {
  local x y width height expected
  read -r x y width height < <(window_geometry)
  expected="${1}x$(window_height_of "${FACTS:-$RUNTIME}")"
  [ "${width}x$height" = "$expected" ] || fail "${3:-the window} is ${width}x$height, expected $expected"
  [ -z "${2:-}" ] || [ "$x,$y" = "$2" ] || fail "${3:-the window} is at $x,$y, expected $2"
}
# A first run: the window at the first-run place with the log beside the game, ssLeft at 11,
# and a wrong guess that takes it to 10.
play_first_run() {
  local place left
  place=$(. "${FACTS:-$RUNTIME}/brainlock-facts.sh" && echo "$settings_default_Left,$settings_default_Top")
  start_game
  expect_window "$(window_width_of "${FACTS:-$RUNTIME}" 1)" "$place" "the first run's window"
  left=$(guesses_left 11)
  [ "$left" = "11" ] || fail "ssLeft shows $left at the start, expected 11"
  play_a_wrong_guess
  echo "the first run opened at $place, and a wrong guess took ssLeft from 11 to 10"
}
# The main window's width and its corner, "x,y", as the X server has them now.
window_width() { local width; read -r _ _ width _ < <(window_geometry); echo "$width"; }
window_place() { local x y; read -r x y _ < <(window_geometry); echo "$x,$y"; }
# Waits for the window to be $1 pixels wide (a panel shown or hidden); fails with the width.
wait_for_width() {
  width_is() { [ "$(window_width)" = "$1" ]; }
  wait_until 10 width_is "$1" || fail "${2:-the window} is $(window_width) wide, expected $1"
}
# Waits for the window's corner to be at $1 ("x,y"), after a drag.
wait_for_place() {
  place_is() { [ "$(window_place)" = "$1" ]; }
  wait_until 10 place_is "$1"
}
# Waits for the game to end, and returns its exit code; with $2, fails unless the code is $2
# (and returns 0). $1: what it should end after. A watchdog: a game that outlives the end by
# END_SECONDS (10) fails the test and is killed.
wait_for_end() {
  local code=0
  timeout "${END_SECONDS:-10}" tail --pid="$pid" -f /dev/null || {
    kill -9 "$pid" 2>/dev/null || true
    fail "the game did not end within ${END_SECONDS:-10} s after $1"
  }
  wait "$pid" || code=$?
  pid=""
  [ -z "${2:-}" ] && return "$code"
  [ "$code" = "$2" ] || fail "the game ended with code $code after $1, expected $2"
}

# Starts the game, which must stop at once: an "Application Error" box appears, Enter closes
# it and the game ends with code 1. $1 says what is wrong, for the messages.
expect_startup_error() {
  (cd "$RUNTIME" && exec ./brainlock) 2>"$work/stderr" &
  pid=$!
  local box
  box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Application Error$' | head -n 1) ||
    fail "$1: no \"Application Error\" box"
  xdotool windowfocus --sync "$box" key Return
  wait_for_end "the box ($1)" 1
}

# Clicks the game panel's "X" (moved right by the extra width, if given) and waits for the
# exit question; prints its window.
ask_to_exit() {
  click $(centre tbCloseMain "${1:-0}")
  timeout 10 xdotool search --sync --onlyvisible --name '^Confirm$' | head -n 1 | grep . ||
    fail "the exit question did not appear"
}

# Answers the exit question (its window $1) Yes and expects the game to end with code 0.
answer_yes() {
  xdotool windowfocus --sync "$1" key alt+y
  wait_for_end "Yes" 0
  echo "exit question answered Yes: the game ended with code 0"
}

# Asks to exit, answers Yes and expects the game to end with code 0.
exit_game() {
  local dialog
  dialog=$(ask_to_exit "${1:-0}")
  answer_yes "$dialog"
}
