#!/usr/bin/env bash
# The real game is killed with SIGKILL while it saves its settings at exit, ROUNDS times.
# Each round starts from a file the game must change (a place off every screen, "Digit" 7),
# answers the exit question and kills the game at a random step of the save (the Nth change
# in the settings folder). The file must then be the whole old version or the whole new one.
# Leftovers of a killed save (a lock, a temporary file) stay for the next rounds to meet.
# Usage: save_kill.sh RUNTIME_DIR KILL_ON_SAVE [ROUNDS]   (needs DISPLAY; 77 skips without)
set -euo pipefail
RUNTIME=$1
killer=$2
rounds=${3:-200}
. "$(dirname "$0")/lib.sh"
e2e_begin
folder="$work/config/Norvane"
file="$folder/Brainlock.conf"
mkdir -p "$folder"
old="$(settings_text "$RUNTIME" Left=-3000 Top=-3000 Digit=7 Music=0 Sound=0)"$'\n'
# The game's own save: the window brought to the screen's corner, six digits, sorted names.
new=$'[General]\nDigit=6\nDuplicate=0\nLeft=0\nLogs=1\nMusic=0\nOption=0\nSound=0\nTop=0\n'
extra=64 # six digits widen the window

olds=0 news=0 killed=0
for ((round = 1; round <= rounds; round++)); do
  printf '%s' "$old" >"$file"
  start_game
  disown "$pid" # killed, it is no job for the shell to report
  dialog=$(ask_to_exit "$extra")
  # Half the kills count from the save's start (a dozen changes or more before the new file
  # is in place), half from the rename that puts it there.
  if ((RANDOM % 2)); then step=$((1 + RANDOM % 16)); else step=$((-(RANDOM % 3))); fi
  "$killer" "$folder" "$pid" "$step" >"$work/killer" &
  killer_pid=$!
  until [ -s "$work/killer" ]; do sleep 0.01; done # watching
  xdotool windowfocus --sync "$dialog" key alt+y
  timeout 20 tail --pid="$pid" -f /dev/null ||
    fail "round $round ($(tail -n 1 "$work/killer")): the game neither ended nor died;" \
      "the settings folder: $(ls -l --full-time "$folder")"
  pid=""
  wait "$killer_pid" || fail "round $round: $(tail -n 1 "$work/killer")"
  outcome=$(tail -n 1 "$work/killer")
  [ -n "${VERBOSE:-}" ] && echo "round $round: $outcome"
  [[ "$outcome" == killed* ]] && killed=$((killed + 1))
  content=$(cat "$file"; printf x)
  content=${content%x}
  if [ "$content" = "$old" ]; then
    olds=$((olds + 1))
  elif [ "$content" = "$new" ]; then
    news=$((news + 1))
  else
    fail "round $round ($outcome): the settings file is neither version:"$'\n'"$content"
  fi
done
leftovers=$(find "$folder" -type f ! -name Brainlock.conf | wc -l)
echo "$rounds saves, $killed killed in the middle: the file was the whole old version" \
  "$olds times and the whole new one $news times; $leftovers leftover files did no harm"
