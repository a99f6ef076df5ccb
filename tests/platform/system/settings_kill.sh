#!/usr/bin/env bash
# Kills a program that keeps saving its settings with SIGKILL, ROUNDS times, at random
# moments; after each kill the settings file must hold one whole save: all eight values
# present and equal.
# Usage: settings_kill.sh WRITER [ROUNDS]
set -euo pipefail
writer=$1
rounds=${2:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work"
file="$work/Norvane/Brainlock.conf"
names=(Left Top Digit Duplicate Music Sound Logs Option)

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
  for value in "${values[@]}"; do
    [ "$value" = "${values[0]}" ] || { echo "FAIL round $round: values ${values[*]} mix two saves"; exit 1; }
  done
  stray=$(find "$work/Norvane" -type f ! -name Brainlock.conf | wc -l)
  [ "$stray" -eq 0 ] || find "$work/Norvane" -type f ! -name Brainlock.conf -delete
done
echo "$rounds kills during saves: the settings file always held one whole save"
