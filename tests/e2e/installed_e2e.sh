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

play_first_run
exit_game
conf="${CONFIG_ROOT:-}$XDG_CONFIG_HOME/Norvane/Brainlock.conf"
[ -s "$conf" ] || fail "no settings were written to $conf"
echo "the settings were written"
