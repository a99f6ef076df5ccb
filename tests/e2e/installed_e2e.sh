#!/usr/bin/env bash
# The installed game as a player starts it: its window at 300,132 on a first run and painted,
# a wrong guess taking ssLeft from 11 to 10, "X" and Yes ending it with code 0, its settings
# written.
# Usage: installed_e2e.sh FOLDER READ_SEVEN COMMAND...   COMMAND, run in FOLDER, starts the
#   game (a chroot's command too: CONFIG_ROOT then names the root, where its settings are
#   looked for). Needs DISPLAY; exits 77 to skip without one.
set -euo pipefail
RUNTIME=$1
reader=$2
GAME=("${@:3}")
. "$(dirname "$0")/lib.sh"
e2e_begin

start_game
read -r x y width height < <(window_geometry)
expected="$(window_width_of "$FACTS" 1)x$(window_height_of "$FACTS")@300,132" # with the log
[ "${width}x$height@$x,$y" = "$expected" ] || fail "first run: ${width}x$height at $x,$y, expected $expected"
left=$(guesses_left 11)
[ "$left" = "11" ] || fail "ssLeft shows $left at the start, expected 11"
play_a_wrong_guess
echo "at 300,132, a wrong guess took ssLeft from 11 to 10"
exit_game
conf="${CONFIG_ROOT:-}$XDG_CONFIG_HOME/Norvane/Brainlock.conf"
[ -s "$conf" ] || fail "no settings were written to $conf"
echo "the settings were written"
