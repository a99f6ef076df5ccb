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
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "at-spi2-core is not installed"; exit 77; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi is not installed"; exit 77; }

"$launcher" --launch-immediately >"$work/at-spi.log" 2>&1 &
helpers+=($!)
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_game
/usr/bin/python3 "$(dirname "$0")/a11y_player.py" "$wid" || fail "the game could not be played by accessible actions"
wait_for_end "Yes, chosen by its accessible action"
[ "$status" -eq 0 ] || fail "the game ended with code $status"
grep -qx 'Digit=5' "$XDG_CONFIG_HOME/Norvane/Brainlock.conf" ||
  fail "the option chosen by Toggle is not in the settings file"
echo "the game ended with code 0 and saved Digit=5"
