#!/usr/bin/env bash
# The game as a screen reader meets it: on the accessibility bus (a private session bus and
# at-spi2-core), played to a win and a loss by accessible actions only, every result read
# from the tree, the menu opened from the keyboard and an option chosen by Toggle; then the
# choice is in the settings file.
# Usage: a11y_e2e.sh RUNTIME_DIR    (needs DISPLAY, dbus, at-spi2-core and python3-pyatspi)
set -euo pipefail
if [ -z "${BRAINLOCK_A11Y_BUS:-}" ]; then # a session bus of its own, ended with the script
  command -v dbus-run-session >/dev/null || { echo "dbus is not installed"; exit 77; }
  export BRAINLOCK_A11Y_BUS=1
  exec dbus-run-session -- "$0" "$@"
fi
RUNTIME=$1
. "$(dirname "$0")/lib.sh"
e2e_begin
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "at-spi2-core is not installed"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi is not installed"; exit 77; }

"$launcher" --launch-immediately >"$work/at-spi.log" 2>&1 &
helpers+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_game
/usr/bin/python3 "$(dirname "$0")/a11y_player.py" "$wid" || fail "the game could not be played by accessible actions"
wait_for_end "Yes, chosen by its accessible action" 0
grep -qx 'Digit=5' "$XDG_CONFIG_HOME/Norvane/Brainlock.conf" ||
  fail "the option chosen by Toggle is not in the settings file"
echo "the game ended with code 0 and saved Digit=5"

# Then as a blind player hears it: Debian's own screen reader, Orca, beside the game, under a
# window manager (as on a desktop, where the game's window is given the focus), its speech
# taken from its debug log (it logs what it would say; no sound is needed), the game played
# with its keys only (tests/e2e/orca_player.py).
command -v orca >/dev/null || { echo "orca is not installed: the reader's part is skipped"; exit 0; }
start_wm openbox
# Its speech server wants a runtime folder of the session's and a sound server to speak to.
mkdir -m 700 "$work/orca-runtime"
start_sound_server
# Orca's settings for the test, made as a user's customization is: its log written a line at
# a time, and a key pressed twice counts as pressed twice (its double presses are other
# commands) unless the presses come within 50 ms.
mkdir -p "$work/orca-home/.local/share/orca"
cat >"$work/orca-home/.local/share/orca/orca-customizations.py" <<'PY'
import orca.debug
import orca.settings
orca.debug.debugFile.reconfigure(line_buffering=True)
orca.settings.doubleClickTimeout = 0.05
PY
orca_log="$work/orca.debug"
HOME="$work/orca-home" XDG_RUNTIME_DIR="$work/orca-runtime" \
  orca --replace --debug-file="$orca_log" >"$work/orca.log" 2>&1 &
helpers+=($!)
orca_on() { grep -q "SPEECH OUTPUT: 'Screen reader on.'" "$orca_log" 2>/dev/null; }
wait_until 30 orca_on || fail "Orca did not start: $(tail -n 5 "$work/orca.log")"
# Orca has started its speech server, which would outlive it: it ends with the test.
speechd_pid="$work/orca-runtime/speech-dispatcher/pid/speech-dispatcher.pid"
wait_until 10 test -s "$speechd_pid" && helpers+=("$(cat "$speechd_pid")")
# Qt's AT-SPI bridge holds each key event back until the reader has said whether it takes
# the key, and loses the held copy when the reader's answer goes astray, as it does while
# Orca clicks: a leak that is Qt's, counted in the first part of this test but not here.
ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" SDL_AUDIODRIVER=dummy \
  E2E_CONFIG_HOME="$work/orca-config" start_game
/usr/bin/python3 "$(dirname "$0")/orca_player.py" "$orca_log" || fail "the game could not be played by ear"
wait_for_end "Yes, clicked with Orca" 0
echo "the game played with Orca ended with code 0"
