#!/usr/bin/env bash
# The sound files on a real X server: with "click.wav" missing from the runtime folder the
# game shows an "Application Error" box naming it and, once the box is closed, ends with
# code 1; with every file present and no sound device it plays on silently; through a sound
# server (a PulseAudio null sink of its own, its monitor recorded) a keypad click is heard, on
# a stream of the effects' own beside the music's, and an idle game sends the server nothing.
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

# Through a sound server, as the ear hears it.
unset SDL_AUDIODRIVER
server="$work/pulse"
mkdir -p "$server" "$XDG_CONFIG_HOME/Norvane"
export PULSE_RUNTIME_PATH="$server" PULSE_STATE_PATH="$server" PULSE_SERVER="unix:$server/native"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit \
  -L "module-null-sink sink_name=e2e rate=44100" \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$server/native" 2>"$work/pulse.log" &
helpers+=($!)
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink e2e || fail "no PulseAudio server: $(cat "$work/pulse.log")"
# The sound server's client libraries keep a few allocations for the life of the process
# (tests/lsan.supp); their stacks run through libraries built without frame pointers, which
# only the slow unwinder follows as far as the suppressed library.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:fast_unwind_on_malloc=0"
printf '[General]\nLeft=300\nTop=132\nDigit=4\nDuplicate=0\nMusic=0\nSound=1\nLogs=1\nOption=0\n' >"$XDG_CONFIG_HOME/Norvane/Brainlock.conf"
start_game
sleep 3 # the sounds load once the window has painted; a new game's sound ends
streams=$(pactl list short sink-inputs | wc -l)
[ "$streams" -eq 2 ] || fail "$streams streams on the server, not the music's and the effects'"
level() { # the peak of a raw recording, as a fraction of full scale
  sox -t raw -r 44100 -e signed -b 16 -c 1 "$1" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}'
}
parec --device=e2e.monitor --format=s16le --rate=44100 --channels=1 --raw >"$work/idle.raw" &
recorder=$!
sleep 1
kill "$recorder"
idle=$(level "$work/idle.raw")
awk -v p="$idle" 'BEGIN { exit !(p == 0) }' || fail "the idle game sounded (peak $idle)"
parec --device=e2e.monitor --format=s16le --rate=44100 --channels=1 --raw >"$work/click.raw" &
recorder=$!
sleep 0.3
click 60 203 # "1"
sleep 0.5
kill "$recorder"
peak=$(level "$work/click.raw")
awk -v p="$peak" 'BEGIN { exit !(p > 0.1) }' || fail "the click was not heard (peak $peak)"
echo "through PulseAudio: silent while idle, the click heard at peak $peak"
exit_game
