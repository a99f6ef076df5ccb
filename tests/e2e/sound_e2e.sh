#!/usr/bin/env bash
# The sound files on a real X server: with "click.wav" missing from the runtime folder the
# game shows an "Application Error" box naming it and, once the box is closed, ends with
# code 1; with every file present and no sound device it plays on silently.
# Usage: sound_e2e.sh RUNTIME_DIR    (needs DISPLAY; exits 77 to skip without one)
set -euo pipefail
. "$(dirname "$0")/lib.sh"

# A copy of the runtime folder without "click.wav".
RUNTIME="$work/runtime"
mkdir -p "$RUNTIME"
cp -a "$1"/. "$RUNTIME"/
rm "$RUNTIME/click.wav"
export XDG_CONFIG_HOME="$work/config"
expect_startup_error "a missing click.wav"
echo "a missing click.wav: \"Application Error\", then exit code 1"

# Every file present, and no sound device: the game runs, silently.
cp "$1/click.wav" "$RUNTIME/"
export SDL_AUDIODRIVER=no-such-driver
start_game
grep -q "playing silently" "$work/stderr" || fail "no word on standard error of the silent output"
click 60 203 # "1": a click that sounds nowhere
kill -0 "$pid" || fail "the game ended without a sound device"
echo "no sound device: the game runs silently"
exit_game
