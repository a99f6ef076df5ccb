#!/usr/bin/env bash
# The about box on a real X server: the picture of the main window opens it at its place and
# size; its credits scroll, so two screenshots a second apart differ inside the banner and
# nowhere else; "Close" hides it.
# Usage: about_e2e.sh RUNTIME_DIR    (needs DISPLAY; exits 77 to skip without one)
set -euo pipefail
RUNTIME=$1
. "$(dirname "$0")/lib.sh"
e2e_begin

start_game
click $(centre imgAbout) # the padlock picture
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About Brainlock Game$' | head -n 1) ||
  fail "the picture opened no window captioned \"About Brainlock Game\""
eval "$(xdotool getwindowgeometry --shell "$about" | sed 's/^/ABOUT_/')"
about_frame=$(frame_of "$about")
[ "${ABOUT_WIDTH}x${ABOUT_HEIGHT}@${about_frame%% *}" = "308x261@271,172" ] ||
  fail "the about box is ${ABOUT_WIDTH}x${ABOUT_HEIGHT} with its frame at ${about_frame%% *}, expected 308x261 at 271,172"
check_dialog "$about" "the about box"
[[ $(xprop -id "$about" _NET_WM_ICON) == *"Icon (48 x 48)"* ]] || fail "the about box carries no icon"

xdotool mousemove 5 5 # the pointer away from the box
# Two screenshots a second apart: differing pixels inside the banner (48, 16, 241 x 193) and
# outside it. The credits come in from below once the box is painted, which on a busy machine
# may take a while: the pair is taken again until the credits move, for up to 20 seconds.
credits_move_alone() {
  import -window "$about" "$work/one.png"
  sleep 1
  import -window "$about" "$work/two.png"
  inside=$(compare -metric AE -extract 241x193+48+16 "$work/one.png" "$work/two.png" null: 2>&1 || true)
  convert "$work/one.png" -fill black -draw "rectangle 48,16 288,208" "$work/one-rest.png"
  convert "$work/two.png" -fill black -draw "rectangle 48,16 288,208" "$work/two-rest.png"
  outside=$(compare -metric AE "$work/one-rest.png" "$work/two-rest.png" null: 2>&1 || true)
  [ "${inside%.*}" -gt 100 ] && [ "${outside%.*}" -eq 0 ]
}
wait_until 20 credits_move_alone ||
  fail "in a second the banner changed $inside pixels (the credits must move) and the rest $outside (none)"
echo "about box with its frame at 271,172, 308x261; a second of credits changed $inside pixels, all in the banner"

xdotool windowfocus --sync "$about" key alt+c
wait_until 10 window_gone "$about" || fail "Close left it open"
echo "\"Close\" hid the about box"
exit_game
