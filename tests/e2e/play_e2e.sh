#!/usr/bin/env bash
# Plays the real game on a real X server: the window's place and size, four digits and
# "Guess" taking ssLeft from 11 to 10, Give Up and its dialog, then "X" and "Yes" ending the
# program with code 0.
# Usage: play_e2e.sh RUNTIME_DIR READ_SEVEN    (needs DISPLAY; exits 77 to skip without one)
set -euo pipefail
RUNTIME=$1
reader=$2
. "$(dirname "$0")/lib.sh"
e2e_begin

play_first_run

# Give Up from the popup menu: the game's own dialog, closed by Enter, then a new game.
menu_item u
lose=$(timeout 10 xdotool search --sync --onlyvisible --name '^You Lose !!$' | head -n 1) ||
  fail "Give Up showed no window captioned \"You Lose !!\""
xdotool windowfocus --sync "$lose" key Return
wait_until 10 window_gone "$lose" || fail "Enter left the dialog open"
left=$(guesses_left 11)
[ "$left" = "11" ] || fail "ssLeft shows $left after giving up, expected 11 for a new game"
echo "Give Up: \"You Lose !!\" closed by Enter, and a new game shows 11"

exit_game
