#!/usr/bin/env bash
# The sound files on a real X server: with "click.wav" missing from the runtime folder the
# game shows an "Application Error" box naming it and, once the box is closed, ends with
# code 1; with every file present and no sound device it plays on silently; through a sound
# server (a PulseAudio null sink of its own, its monitor recorded) a keypad click is heard, on
# a stream of the effects' own beside the music's, and an idle game sends the server nothing
# (the server holds none of its sound, and the sink is silent); through SDL's own PipeWire back
# end, on a PipeWire of its own, the click is heard and "X" and Yes end the game at once, also
# with the tune playing and a clip sounding.
# Usage: sound_e2e.sh RUNTIME_DIR    (needs DISPLAY; exits 77 to skip without one)
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_begin

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
wait_until 20 grep -q "playing silently" "$work/stderr" ||
  fail "no word on standard error of the silent output"
click $(centre sb0) # "0": a click that sounds nowhere
kill -0 "$pid" || fail "the game ended without a sound device"
echo "no sound device: the game runs silently"
exit_game

# Through a sound server, as the ear hears it.
unset SDL_AUDIODRIVER
mkdir -p "$XDG_CONFIG_HOME/Norvane"
start_sound_server
# The sound server's client libraries keep a few allocations for the life of the process
# (tests/lsan.supp); their stacks run through libraries built without frame pointers, which
# only the slow unwinder follows as far as the suppressed library.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:fast_unwind_on_malloc=0"
write_settings "$RUNTIME" "$XDG_CONFIG_HOME/Norvane/Brainlock.conf" Music=0
start_game
# The sounds load once the window has painted: then the music's stream and the effects' are
# on the server.
two_streams() { [ "$(pactl list short sink-inputs | wc -l)" -eq 2 ]; }
wait_until 20 two_streams ||
  fail "$(pactl list short sink-inputs | wc -l) streams on the server, not the music's and the effects'"
# What the server holds of the game's streams, in microseconds, the larger of the two: a
# stream the game keeps writing to, even silence, holds tens of milliseconds.
held() { pactl list sink-inputs | sed -n 's/.*Buffer Latency: \([0-9]*\) usec.*/\1/p' | sort -n | tail -n 1; }
sends_nothing() { [ "$(held)" -lt 1000 ]; }
level() { # the peak of a raw recording, as a fraction of full scale
  sox -t raw -r 44100 -e signed -b 16 -c 1 "$1" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}'
}
recording() { # records the sink's monitor into $1 until stopped; returns once recording
  # A short latency: with its default buffering parec delivers nothing for the first second.
  parec --device=e2e.monitor --format=s16le --rate=44100 --channels=1 --raw \
    --latency-msec=20 >"$1" &
  recorder=$!
  wait_until 10 eval '[ -n "$(pactl list short source-outputs)" ]' || fail "parec did not start"
  # The server's samples reach the file some time after the stream is there.
  wait_until 10 test -s "$1" || fail "parec records nothing"
}
# Idle once the new game's sound has ended: for a second, the server holds nothing of the
# game's streams and the sink's monitor stays silent.
wait_until 20 sends_nothing || fail "the game keeps sending to the server ($(held) us held)"
recording "$work/idle.raw"
began=$(date +%s%N)
from=$(stat -c %s "$work/idle.raw")
for _ in 1 2 3 4 5; do
  sends_nothing || fail "the idle game sent the server sound ($(held) us held)"
  sleep 0.2
done
# The recording holds the time it lasted (88.2 bytes a millisecond, 80% of it at least): an
# empty one would pass for silence.
lasted_ms=$((($(date +%s%N) - began) / 1000000))
bytes=$(($(stat -c %s "$work/idle.raw") - from))
kill "$recorder"
wait "$recorder" 2>/dev/null || true
[ $((bytes * 1000)) -ge $((lasted_ms * 70560)) ] ||
  fail "the $lasted_ms ms recording of the idle game holds $bytes bytes"
idle=$(level "$work/idle.raw")
awk -v p="$idle" 'BEGIN { exit !(p == 0) }' || fail "the idle game sounded (peak $idle)"
recording "$work/click.raw"
click $(centre sb0) # "0"
heard() { peak=$(level "$1"); awk -v p="$peak" 'BEGIN { exit !(p > 0.1) }'; }
wait_until 10 heard "$work/click.raw" || fail "the click was not heard (peak $peak)"
kill "$recorder"
echo "through PulseAudio: idle, nothing sent and silence ($bytes bytes in $lasted_ms ms); the click heard at peak $peak"
exit_game

# Through PipeWire, by SDL's own back end, whose devices are fed from PipeWire's threads: the
# game plays and ends promptly, its devices closed behind it.
. "$(dirname "$0")/../../scripts/pipewire-lib"
start_pipewire "$work/pipewire" e2e || fail "no PipeWire server"
helpers+=("${PIPEWIRE_PIDS[@]}")
export SDL_AUDIODRIVER=pipewire
start_game
game_streams() { pw-cli ls Node | grep -c 'media.class = "Stream/Output/Audio"'; }
wait_until 20 eval '[ "$(game_streams)" -eq 2 ]' ||
  fail "$(game_streams) streams on PipeWire, not the music's and the effects'"
pw-record -P '{ stream.capture.sink=true }' --target e2e --rate 44100 --channels 1 \
  --format s16 - >"$work/pw-click.raw" 2>/dev/null &
helpers+=($!)
wait_until 10 eval "pw-cli ls Node | grep -q 'media.class = \"Stream/Input/Audio\"'" ||
  fail "pw-record did not start"
click $(centre sb0) # "0"
wait_until 10 heard "$work/pw-click.raw" || fail "the click was not heard through PipeWire (peak $peak)"
# Then idle, the click over (its last 0.3 s silent), so that the exit finds the devices paused.
quiet() { [ "$(tail -c 26460 "$work/pw-click.raw" | level /dev/stdin)" = 0.000000 ]; }
wait_until 10 quiet || fail "the click did not end"
echo "through PipeWire: the click heard at peak $peak, then silence"
END_SECONDS=5 exit_game
echo "and \"X\" and Yes ended it within 5 s"

# The same with the tune playing and a clip sounding at the exit, so that the devices are
# being fed from PipeWire's threads as they close: Give Up's two-second lose.wav, the box
# closed, then "X" and Yes at once.
sed -i 's/^Music=0$/Music=1/' "$XDG_CONFIG_HOME/Norvane/Brainlock.conf"
start_game
wait_until 20 eval '[ "$(game_streams)" -eq 2 ]' ||
  fail "$(game_streams) streams on PipeWire, not the music's and the effects'"
: >"$work/pw-click.raw" # pw-record goes on writing to it
wait_until 10 heard "$work/pw-click.raw" || fail "the tune was not heard through PipeWire (peak $peak)"
menu_item u
lose=$(timeout 10 xdotool search --sync --onlyvisible --name '^You Lose !!$' | head -n 1) ||
  fail "Give Up showed no window captioned \"You Lose !!\""
lost_at=$(date +%s%N)
xdotool windowfocus --sync "$lose" key Return
dialog=$(ask_to_exit)
xdotool windowfocus --sync "$dialog" key alt+y
asked_ms=$((($(date +%s%N) - lost_at) / 1000000))
[ "$asked_ms" -lt 2000 ] ||
  fail "Yes came $asked_ms ms after the loss, when its two-second clip was over: nothing was sounding"
END_SECONDS=5 wait_for_end "Yes, $asked_ms ms into the loss's clip, the tune playing" 0
echo "through PipeWire: Yes $asked_ms ms into the loss's clip, the tune playing, ended it within 5 s"
