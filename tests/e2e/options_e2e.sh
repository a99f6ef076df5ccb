#!/usr/bin/env bash
# Options survive a restart on a real X server: five digits picked by clicking in the options
# panel, the exit saves them to the settings file, and the next start opens 32 pixels wider
# with five "?" slots.
# Usage: options_e2e.sh RUNTIME_DIR    (needs DISPLAY; exits 77 to skip without one)
set -euo pipefail
RUNTIME=$1
. "$(dirname "$0")/lib.sh"
e2e_begin

# How many strongly red pixels a control's place in the window shows.
red_pixels() {
  local x y left top width height
  read -r x y < <(origin)
  read -r left top width height < <(place_of "$RUNTIME" "$1")
  import -window root -crop "${width}x$height+$((x + left))+$((y + top))" "$work/part.png"
  convert "$work/part.png" -fx 'r > 0.7 && g < 0.3 && b < 0.3 ? 1 : 0' -format '%[fx:mean*w*h]' info:
}
extra=$(. "$RUNTIME/brainlock-facts.sh" && echo "$layout_extra_width_per_digit") # a fifth digit's

start_game
menu_item o # Show Options, beside the log
wait_for_width "$(window_width_of "$RUNTIME" 2)" "with both panels the window"
# "5", the middle one of "# Digit"'s three items: they stand evenly in the frame below the
# group's caption (Qt lays them out), the middle one level with the frame's middle, its
# circle a fifth of the way in.
read -r left top width height < <(place_of "$RUNTIME" rgDigit)
caption=18
click $((left + width / 5)) $((top + (height + caption) / 2))
wait_for_width "$(window_width_of "$RUNTIME" 2 "$extra")" "with five digits the window"
exit_game "$extra"

conf="$XDG_CONFIG_HOME/Norvane/Brainlock.conf"
grep -qx 'Digit=5' "$conf" || fail "the settings file does not hold Digit=5: $(cat "$conf")"
grep -qx 'Option=1' "$conf" || fail "the settings file does not hold Option=1"
echo "the exit saved Digit=5 and Option=1"

start_game
expect_window "$(window_width_of "$RUNTIME" 2 "$extra")" "" "the second start's window"
fifth=$(red_pixels lQM5)
sixth=$(red_pixels lQM6)
[ "${fifth%.*}" -gt 20 ] || fail "no \"?\" in the fifth slot ($fifth red pixels)"
[ "${sixth%.*}" -eq 0 ] || fail "a sixth slot shows ($sixth red pixels)"
echo "the second start is 32 pixels wider with five \"?\" slots"
exit_game "$extra"
