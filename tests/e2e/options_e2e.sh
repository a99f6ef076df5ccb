#!/usr/bin/env bash
# Options survive a restart on a real X server: five digits picked by clicking in the options
# panel, the exit saves them to the settings file, and the next start opens 32 pixels wider
# with five "?" slots.
# Usage: options_e2e.sh RUNTIME_DIR    (needs DISPLAY; exits 77 to skip without one)
set -euo pipefail
RUNTIME=$1
. "$(dirname "$0")/lib.sh"
e2e_begin

# How many strongly red pixels a part of the window shows.
red_pixels() {
  import -window root -crop "$3x$4+$((X + $1))+$((Y + $2))" "$work/part.png"
  convert "$work/part.png" -fx 'r > 0.7 && g < 0.3 && b < 0.3 ? 1 : 0' -format '%[fx:mean*w*h]' info:
}

start_game
menu_item o # Show Options, beside the log
wait_for_width 474 "with both panels the window"
click 376 71 # "5" in "# Digit"
wait_for_width 506 "with five digits the window"
exit_game 32

conf="$XDG_CONFIG_HOME/Norvane/Brainlock.conf"
grep -qx 'Digit=5' "$conf" || fail "the settings file does not hold Digit=5: $(cat "$conf")"
grep -qx 'Option=1' "$conf" || fail "the settings file does not hold Option=1"
echo "the exit saved Digit=5 and Option=1"

start_game
[ "${WIDTH}x${HEIGHT}" = "506x304" ] || fail "the second start is ${WIDTH}x${HEIGHT}, expected 506x304"
fifth=$(red_pixels 160 40 25 46)
sixth=$(red_pixels 192 40 25 46)
[ "${fifth%.*}" -gt 20 ] || fail "no \"?\" in the fifth slot ($fifth red pixels)"
[ "${sixth%.*}" -eq 0 ] || fail "a sixth slot shows ($sixth red pixels)"
echo "the second start is 32 pixels wider with five \"?\" slots"
exit_game 32
