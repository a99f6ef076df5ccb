#!/usr/bin/env bash
# Kills a program that keeps writing its settings with SIGKILL, ROUNDS times, at random
# moments; after each kill the settings file must hold whole writes: every value present,
# the first ones at some k and the rest at k - 1.
# Usage: settings_kill.sh WRITER [ROUNDS]
set -euo pipefail
writer=$1
rounds=${2:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work"
file="$work/Norvane/Brainlock.conf"
names=(Left Top Digit Duplicate Music Sound Logs Option)

midway=0 # kills that landed between two values of one save
for ((round = 1; round <= rounds; round++)); do
  coproc WRITER { exec "$writer"; }
  read -r ready <&"${WRITER[0]}"
  sleep "0.0$((RANDOM % 40))"
  kill -KILL "$WRITER_PID"
  wait "$WRITER_PID" 2>/dev/null || true
  values=()
  for name in "${names[@]}"; do
    value=$(sed -n "s/^$name=//p" "$file")
    [[ "$value" =~ ^[0-9]+$ ]] || { echo "FAIL round $round: $name is '$value'"; cat "$file"; exit 1; }
    values+=("$value")
  done
  first=${values[0]}
  [ "${values[7]}" != "$first" ] && midway=$((midway + 1))
  for value in "${values[@]}"; do
    if [ "$value" != "$first" ] && [ "$value" != $((first - 1)) ]; then
      echo "FAIL round $round: values ${values[*]} are not whole writes"; exit 1
    fi
  done
  stray=$(find "$work/Norvane" -type f ! -name Brainlock.conf | wc -l)
  [ "$stray" -eq 0 ] || find "$work/Norvane" -type f ! -name Brainlock.conf -delete
done
echo "$rounds kills during writes ($midway between two values of a save):" \
  "the settings file always held whole writes"
