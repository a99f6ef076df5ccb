#!/usr/bin/env bash
# The game under a desktop's own compositor, GNOME's (mutter) or KDE's (kwin_wayland), nested
# in a window of the X server in DISPLAY, whose pointer and keys reach it; the game through the
# compositor's XWayland, or as a native Wayland client. As a player meets it there: the stored
# place honoured where a program can place its window (XWayland), a wrong guess scored (read
# from a screenshot), the exit question centred (on the screen on XWayland, over the game
# natively) and above the game, a drag by the title stored where the place can be known and
# the stored place kept where it cannot, and "X" and Yes ending it with code 0.
# Usage: desktop_e2e.sh mutter|kwin xwayland|native RUNTIME_DIR READ_SEVEN   (SHOTS: a folder
#   to keep the screen with the exit question in)
#   (needs DISPLAY, 1400x1100 or larger; mutter or kwin-wayland, xwayland, dbus, qt6-wayland)
set -euo pipefail
compositor=$1
mode=$2
RUNTIME=$3
reader=$4
. "$(dirname "$0")/lib.sh"
e2e_begin

# A runtime folder and a session bus of the desktop's own.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS" >/dev/null 2>&1 &
helpers+=($!)
wait_until 10 test -S "$XDG_RUNTIME_DIR/bus" || fail "no session bus"

# The pointer waits outside the nested output, so that it enters it with the first move.
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
xdotool mousemove $((screen_width - 1)) $((screen_height - 1))
case $compositor in
  mutter)
    MUTTER_DEBUG_DUMMY_MODE_SPECS=1280x1024 mutter --nested --wayland --wayland-display=brainlock \
      >"$work/compositor.log" 2>&1 &
    ;;
  kwin)
    # Debian's kwin_wayland carries a file capability that a container may refuse to grant; a
    # copy of the program carries none.
    cp /usr/bin/kwin_wayland "$work/kwin_wayland"
    "$work/kwin_wayland" --x11-display "$DISPLAY" --width 1280 --height 1024 --xwayland \
      --socket brainlock --no-lockscreen --no-global-shortcuts --no-kactivities \
      >"$work/compositor.log" 2>&1 &
    ;;
  *) echo "unknown compositor $compositor"; exit 2 ;;
esac
compositor_pid=$!
helpers+=($compositor_pid)
# The nested output is the compositor's 1280x1024 window on DISPLAY.
output_shown() { output=$(xwininfo -root -children | awk '/ 1280x1024\+/ { print $1; exit }'); [ -n "$output" ]; }
wait_until 30 output_shown || fail "$compositor showed no output: $(tail -n 5 "$work/compositor.log")"
eval "$(xdotool getwindowgeometry --shell "$output" | sed 's/^/OUT_/')"
# Its XWayland, on the first free display (mutter's with an authority file of its own).
xwayland_up() {
  local line
  line=$(pgrep -a -P "$compositor_pid" -x Xwayland) || return 1
  xdisplay=$(grep -o ' :[0-9]*' <<<"$line" | tr -d ' ')
  xauthority=$(sed -n 's/.* -auth \([^ ]*\).*/\1/p' <<<"$line")
  DISPLAY=$xdisplay XAUTHORITY=$xauthority xdpyinfo >/dev/null 2>&1
}
wait_until 30 xwayland_up || fail "$compositor started no XWayland"
on_xwayland() { DISPLAY=$xdisplay XAUTHORITY=$xauthority "$@"; }
window_gone_x() { ! on_xwayland xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
echo "$compositor: output at $OUT_X,$OUT_Y, XWayland on $xdisplay"

export XDG_CONFIG_HOME="$work/config"
conf="$XDG_CONFIG_HOME/Norvane/Brainlock.conf"
write_settings "$RUNTIME" "$conf" Left=200 Top=150 Music=0 Sound=0
if [ "$mode" = xwayland ]; then
  game_env=(DISPLAY="$xdisplay" XAUTHORITY="$xauthority" QT_QPA_PLATFORM=xcb)
else
  game_env=(-u DISPLAY WAYLAND_DISPLAY=brainlock QT_QPA_PLATFORM=wayland)
fi
(cd "$RUNTIME" && exec env "${game_env[@]}" SDL_AUDIODRIVER=dummy ./brainlock) 2>>"$work/stderr" &
pid=$!
# Where the window is, found on the output: the clicks go there.
E2E_ORIGIN=$(wait_on_output 20 "$output" "$OUT_X" "$OUT_Y") ||
  fail "the game's window did not appear whole on the output"
read -r x y <<<"$E2E_ORIGIN"
place="$((x - OUT_X)),$((y - OUT_Y))"
if [ "$mode" = xwayland ]; then
  [ "$place" = 200,150 ] || fail "the window opened at $place, not at the stored 200,150"
  echo "the window opened at its stored place 200,150"
else
  echo "the compositor placed the window at $place"
fi

left=$(guesses_left 11)
[ "$left" = 11 ] || fail "ssLeft shows $left at the start, expected 11"
play_a_wrong_guess
echo "a wrong guess took ssLeft from 11 to 10"

# A drag by the title, towards the output's middle. Through XWayland the pressed point stays
# under the pointer: the game gives the compositor's move loop the press as its anchor, and
# the window moves by the pointer's whole way from it. Natively the compositor anchors the
# move itself: at the press, or where the pointer was as the drag began (12 pixels on), which
# the game cannot change; which one is said.
from="$x,$y"
read -r dx dy < <(drag_toward_middle "$OUT_X" "$OUT_Y" "$OUT_WIDTH" "$OUT_HEIGHT")
drag_title "$dx" "$dy"
anchor=press
moved_by_drag() {
  at=$(find_on_output "$output" "$OUT_X" "$OUT_Y") || return 1
  [ "${at/ /,}" = "$((x + dx)),$((y + dy))" ] && return 0
  [ "$mode" = native ] && [ "${at/ /,}" = "$((x + dx - 12)),$((y + dy))" ] &&
    anchor="drag's start"
}
wait_until 10 moved_by_drag || fail "dragged by $dx,$dy from $from, the window is at ${at:-nowhere}"
E2E_ORIGIN=$at
read -r x y <<<"$E2E_ORIGIN"
place="$((x - OUT_X)),$((y - OUT_Y))"
echo "the drag by $dx,$dy moved the window to $place, anchored at the $anchor"

# Give Up from the menu (Shift+F10, then U) first, so that the exit question is not the
# first dialog to be framed: a window manager that frames late must not make it jump either.
if [ "$mode" = xwayland ]; then
  lose_shown() { lose=$(on_xwayland xdotool search --onlyvisible --name '^You Lose !!$' | head -n 1); [ -n "$lose" ]; }
  shown_x() { on_xwayland xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort; }
  menu_shown() { [ -n "$(comm -13 <(echo "$1") <(shown_x))" ]; }
  point $(title_point 20)
  xdotool click 1
  before=$(shown_x)
  xdotool key shift+F10
  wait_until 10 menu_shown "$before" || fail "Shift+F10 opened no menu"
  xdotool key u
  wait_until 10 lose_shown || fail "Give Up showed no \"You Lose !!\""
  xdotool key Return
  wait_until 10 window_gone_x "$lose" || fail "Enter left \"You Lose !!\" open"
  echo "Give Up: \"You Lose !!\" shown and closed"
fi

# "X": the exit question, found by its face (the dialogs' grey) on the output.
dialog_grey="239,239,239"
point $(centre tbCloseMain)
import -window "$output" "$work/before-exit.png"
xdotool click 1
question_box() { # the bounding box of the grey where the screen changed
  import -window "$output" "$work/question.png"
  convert "$work/before-exit.png" "$work/question.png" -compose difference -composite \
    -colorspace gray -threshold 0 "$work/changed.png"
  box=$(convert "$work/question.png" -fill black +opaque "rgb($dialog_grey)" \
    -fill white -opaque "rgb($dialog_grey)" "$work/changed.png" -compose multiply -composite \
    -trim -format '%X %Y %w %h' info: 2>/dev/null) || return 1
  read -r qx qy qw qh <<<"${box//+/}"
  [ "${qw:-0}" -ge 200 ] && [ "${qh:-0}" -ge 60 ]
}
wait_until 10 question_box || fail "\"X\" showed no exit question"
# It opens once, where it stays: the screens that follow (for about as long as the game waits
# for a late frame) show its face where it first appeared.
first="$qx,$qy"
for _ in $(seq 12); do
  question_box && [ "$qx,$qy" = "$first" ] ||
    fail "the exit question appeared at $first, then its face was at ${qx:-?},${qy:-?}"
done
echo "the exit question appeared once, at $first, and stayed there"
# The screen with the question, kept where SHOTS names a folder, for a person to look at.
[ -z "${SHOTS:-}" ] || cp "$work/question.png" "$SHOTS/$compositor-$mode.png"
centre="$((qx + qw / 2)),$((qy + qh / 2))"
if [ "$mode" = xwayland ]; then
  question=$(on_xwayland xdotool search --onlyvisible --name '^Confirm$' | head -n 1)
  wid=$(on_xwayland xdotool search --onlyvisible --pid "$pid" --name '^Brainlock Game$' | head -n 1)
  wm_pid=$compositor_pid on_xwayland check_dialog "$question" "the exit question" centred
else
  # Over the game: centred across it, and down its middle third (compositors centre a dialog
  # on its parent, GNOME's a little high), where only a dialog above the game shows its face.
  half_width=$(($(window_width_of "$RUNTIME" 1) / 2)) half_height=$(($(window_height_of "$RUNTIME") / 2))
  game_centre="$((x - OUT_X + half_width)),$((y - OUT_Y + half_height))"
  off_x=$((${centre%,*} - ${game_centre%,*})) off_y=$((${centre#*,} - ${game_centre#*,}))
  ((off_x * off_x <= 9 && off_y * off_y <= 50 * 50)) ||
    fail "the exit question's face ${qw}x$qh is centred at $centre, not over the game's centre $game_centre"
  echo "the exit question is above the game, centred on it (its face at $centre)"
  # Its title bar is the game's own: a caption at the left, a close button at the right and
  # nothing between (where Qt's own would show minimize and maximize).
  between=$(convert "$work/question.png" -crop "40x14+$((qx + qw - 72))+$((qy - 20))" -format %k info:)
  [ "$between" = 1 ] || fail "the exit question's title bar shows more than a close button"
  # The close button answers No: the question goes, the game plays on.
  import -window "$output" "$work/before-exit.png"
  xdotool mousemove $((OUT_X + qx + qw - 14)) $((OUT_Y + qy - 13)) click 1
  closed() { import -window "$output" "$work/closed.png"; [ "$(compare -metric AE "$work/before-exit.png" "$work/closed.png" null: 2>&1 || true)" -gt 2000 ]; }
  wait_until 10 closed || fail "the title bar's close button left the exit question open"
  kill -0 "$pid" 2>/dev/null || fail "closing the exit question ended the game"
  echo "its title bar has a close button only, which answers No"
  # The about box, shown and hidden three times: shown again, it comes with a new surface,
  # which is marked a modal dialog again, so the compositor centres it over the game each time.
  about_box() { # the bounding box of what changed on the screen
    import -window "$output" "$work/about.png"
    box=$(convert "$work/before-about.png" "$work/about.png" -compose difference -composite \
      -colorspace gray -threshold 10% -trim -format '%X %Y %w %h' info: 2>/dev/null) || return 1
    read -r qx qy qw qh <<<"${box//+/}"
    [ "${qw:-0}" -ge 300 ] && [ "${qh:-0}" -ge 250 ]
  }
  about_gone() { # where it was looks as before it came, but for a few pixels (focus marks)
    local changed
    import -window "$output" "$work/about.png"
    changed=$(compare -metric AE -fuzz 10% -extract "${qw}x$qh+$qx+$qy" \
      "$work/before-about.png" "$work/about.png" null: 2>&1 || true)
    [ "${changed%.*}" -lt $((qw * qh / 20)) ]
  }
  for round in 1 2 3; do
    import -window "$output" "$work/before-about.png"
    point $(centre imgAbout)
    xdotool click 1
    wait_until 10 about_box || fail "the picture opened no about box (round $round)"
    centre="$((qx + qw / 2)),$((qy + qh / 2))"
    off_x=$((${centre%,*} - ${game_centre%,*})) off_y=$((${centre#*,} - ${game_centre#*,}))
    ((off_x * off_x <= 9 && off_y * off_y <= 50 * 50)) ||
      fail "shown again (round $round), the about box ${qw}x$qh is centred at $centre, not over the game's centre $game_centre"
    # Its own title bar's caption takes the keyboard focus to it; Alt+C closes it.
    xdotool mousemove $((OUT_X + qx + 40)) $((OUT_Y + qy + 10)) click 1 key alt+c
    wait_until 10 about_gone || {
      [ -z "${SHOTS:-}" ] || cp "$work/about.png" "$SHOTS/$compositor-$mode-about.png"
      fail "Alt+C left the about box open (round $round)"
    }
  done
  echo "the about box, shown three times, was centred over the game each time"
  point $(centre tbCloseMain)
  import -window "$output" "$work/before-exit.png"
  xdotool click 1
  wait_until 10 question_box || fail "\"X\" showed no exit question the second time"
fi

xdotool key alt+y
wait_for_end "Yes" 0
stored="$(sed -n 's/^Left=//p' "$conf"),$(sed -n 's/^Top=//p' "$conf")"
if [ "$mode" = xwayland ]; then
  [ "$stored" = "$place" ] || fail "the settings hold the place $stored, not the dragged $place"
  echo "\"X\" and Yes: code 0, the dragged place $place stored"
else
  [ "$stored" = 200,150 ] || fail "the stored place became $stored; it was 200,150"
  echo "\"X\" and Yes: code 0, the stored place 200,150 kept"
fi
