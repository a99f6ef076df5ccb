#!/usr/bin/env bash
# The about box on a real X server: the picture of the main window opens it at its place and
# size; its credits scroll, so two screenshots a second apart differ inside the banner and
# nowhere else; "Close" hides it.
# Usage: about_e2e.sh RUNTIME_DIR    (needs DISPLAY; exits 77 to skip without one)
set -euo pipefail
RUNTIME=$1
. "$(dirname "$0")/lib.sh"
e2e_begin

# The about box's place and its banner's, from the game's own layout.
read -r about_left about_top about_width about_height < <(. "$RUNTIME/brainlock-facts.sh" && echo "$layout_about_window")
read -r bx by bw bh < <(. "$RUNTIME/brainlock-facts.sh" && echo "$layout_about_banner")

start_game
click $(centre imgAbout) # the padlock picture
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^About Brainlock Game$' | head -n 1) ||
  fail "the picture opened no window captioned \"About Brainlock Game\""
read -r _ _ width height < <(window_geometry "$about")
about_frame=$(frame_of "$about")
expected="${about_width}x$about_height@$about_left,$about_top"
[ "${width}x$height@${about_frame%% *}" = "$expected" ] ||
  fail "the about box is ${width}x$height with its frame at ${about_frame%% *}, expected $expected"
check_dialog "$about" "the about box"
[[ $(xprop -id "$about" _NET_WM_ICON) == *"Icon (48 x 48)"* ]] || fail "the about box carries no icon"

xdotool mousemove 5 5 # the pointer away from the box
# Two screenshots a second apart: differing pixels inside the banner and outside it. The credits come in from below once the box is painted, which on a busy machine
# may take a while: the pair is taken again until the credits move, for up to 20 seconds.
credits_move_alone() {
  import -window "$about" "$work/one.png"
  sleep 1
  import -window "$about" "$work/two.png"
  inside=$(compare -metric AE -extract "${bw}x$bh+$bx+$by" "$work/one.png" "$work/two.png" null: 2>&1 || true)
  local banner="rectangle $bx,$by $((bx + bw - 1)),$((by + bh - 1))"
  convert "$work/one.png" -fill black -draw "$banner" "$work/one-rest.png"
  convert "$work/two.png" -fill black -draw "$banner" "$work/two-rest.png"
  outside=$(compare -metric AE "$work/one-rest.png" "$work/two-rest.png" null: 2>&1 || true)
  [ "${inside%.*}" -gt 100 ] && [ "${outside%.*}" -eq 0 ]
}
wait_until 20 credits_move_alone ||
  fail "in a second the banner changed $inside pixels (the credits must move) and the rest $outside (none)"
echo "about box with its frame at $about_left,$about_top, ${about_width}x$about_height; a second of credits changed $inside pixels, all in the banner"

xdotool windowfocus --sync "$about" key alt+c
wait_until 10 window_gone "$about" || fail "Close left it open"
echo "\"Close\" hid the about box"
exit_game
