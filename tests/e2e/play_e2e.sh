#!/usr/bin/env bash
# Plays the real game on a real X server: the window's place and size, four digits and
# "Guess" taking ssLeft from 11 to 10, Give Up and its dialog, then "X" and "Yes" ending the
# program with code 0.
# Usage: play_e2e.sh RUNTIME_DIR READ_SEVEN    (needs DISPLAY; exits 77 to skip without one)
set -euo pipefail
RUNTIME=$1
reader=$2
. "$(dirname "$0")/lib.sh"

start_game
[ "$X,$Y" = "300,132" ] || fail "window at $X,$Y, expected 300,132"
[ "${WIDTH}x${HEIGHT}" = "328x304" ] || fail "window is ${WIDTH}x${HEIGHT}, expected 328x304"

# Centres of the keypad buttons, in the window's coordinates.
key_x=(60 36 60 84 36 60 84 36 60 84)
key_y=(203 179 179 179 155 155 155 131 131 131)
type_digits() {
  local digits=$1 i
  for ((i = 0; i < ${#digits}; i++)); do
    local d=${digits:i:1}
    click "${key_x[d]}" "${key_y[d]}"
  done
}
guesses_left() {
  sleep 0.3
  import -window root "$work/shot.png"
  "$reader" "$work/shot.png" $((X + 112)) $((Y + 172)) 41 41 2 4 5
}

left=$(guesses_left)
[ "$left" = "11" ] || fail "ssLeft shows $left at the start, expected 11"
# Two guesses with no digit in common cannot both be the secret: one of them is wrong.
for attempt in 1234 5678; do
  type_digits "$attempt"
  click 132 144 # Guess
  left=$(guesses_left)
  [ "$left" = "10" ] && break
done
[ "$left" = "10" ] || fail "ssLeft shows $left after a wrong guess, expected 10"
echo "ssLeft went from 11 to 10"

# Give Up from the popup menu: the game's own dialog, closed by Enter, then a new game.
menu_item u
lose=$(timeout 10 xdotool search --sync --onlyvisible --name '^You Lose !!$' | head -n 1) ||
  fail "Give Up showed no window captioned \"You Lose !!\""
xdotool windowfocus --sync "$lose" key Return
sleep 0.3
[ -z "$(xdotool search --onlyvisible --name '^You Lose !!$')" ] || fail "Enter left the dialog open"
left=$(guesses_left)
[ "$left" = "11" ] || fail "ssLeft shows $left after giving up, expected 11 for a new game"
echo "Give Up: \"You Lose !!\" closed by Enter, and a new game shows 11"

exit_game
