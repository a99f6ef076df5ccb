#!/usr/bin/env bash
# Idle cost of the real game on the X server in DISPLAY: resident memory 2 s after start, and
# the processor time it uses while nobody plays, with the music off and with it playing
# (per thread, so the audio thread's mixing and synthesis stand apart from the rest).
# Usage: idle_bench.sh RUNTIME_DIR [SECONDS]   (SECONDS of idle per measurement, default 60)
set -euo pipefail
runtime=$1
seconds=${2:-60}
work=$(mktemp -d)
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
ticks=$(getconf CLK_TCK)

# Processor ticks (user + system) of one thread, or of the whole process.
cpu_ticks() { awk '{print $14 + $15}' "$1"; }

measure() { # $1 = Music value
  export XDG_CONFIG_HOME="$work/config-$1"
  mkdir -p "$XDG_CONFIG_HOME/Norvane"
  printf '[General]\nLeft=300\nTop=132\nDigit=4\nDuplicate=0\nMusic=%s\nSound=1\nLogs=1\nOption=0\n' \
    "$1" >"$XDG_CONFIG_HOME/Norvane/Brainlock.conf"
  (cd "$runtime" && exec ./brainlock) 2>/dev/null &
  pid=$!
  sleep 2
  local rss
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  declare -A before names
  for task in /proc/$pid/task/*; do
    before[$task]=$(cpu_ticks "$task/stat")
    names[$task]=$(cat "$task/comm")
  done
  local total_before
  total_before=$(cpu_ticks "/proc/$pid/stat")
  sleep "$seconds"
  local total_after
  total_after=$(cpu_ticks "/proc/$pid/stat")
  echo "music $( [ "$1" = 1 ] && echo on || echo off ):"
  echo "  resident memory 2 s after start   $((rss / 1024)) MB"
  awk -v t=$((total_after - total_before)) -v s="$seconds" -v hz="$ticks" \
    'BEGIN {printf "  processor over %d s idle            %.3f%% of one core\n", s, 100 * t / hz / s}'
  for task in "${!before[@]}"; do
    [ -r "$task/stat" ] || continue
    local used=$(( $(cpu_ticks "$task/stat") - before[$task] ))
    [ "$used" -gt 0 ] && awk -v t="$used" -v s="$seconds" -v hz="$ticks" -v n="${names[$task]}" \
      'BEGIN {printf "    thread %-16s %.3f%%\n", n, 100 * t / hz / s}'
  done
  kill "$pid"; wait "$pid" 2>/dev/null || true; pid=""
}

measure 0
measure 1
