#!/usr/bin/env bash
# Each of the five sound files missing, empty, or replaced by random bytes: the real game shows
# an "Application Error" box naming the file and, once it is closed, ends with code 1; it
# never crashes or hangs.
# Usage: media_faults.sh RUNTIME_DIR    (needs DISPLAY; exits 77 to skip without one)
set -euo pipefail
. "$(dirname "$0")/lib.sh"
e2e_begin
export XDG_CONFIG_HOME="$work/config"
RUNTIME="$work/runtime"
cases=0
for file in click.wav clear.wav win.wav lose.wav cheers.mid; do
  for fault in missing empty random; do
    rm -rf "$RUNTIME"
    mkdir -p "$RUNTIME"
    cp -a "$1"/. "$RUNTIME"/
    case $fault in
      missing) rm "$RUNTIME/$file" ;;
      empty) : >"$RUNTIME/$file" ;;
      random) head -c 4096 /dev/urandom >"$RUNTIME/$file" ;;
    esac
    expect_startup_error "$file $fault"
    cases=$((cases + 1))
  done
done
echo "$cases faulty sound files: each gave \"Application Error\" and exit code 1"
