#!/usr/bin/env bash
# Settings that cannot be stored, against the real game:
#  - "Norvane" a plain file, and "Brainlock.conf" a folder: the message comes at start-up, the
#    game plays on and exits normally, and what stood there is untouched;
#  - a full disk (a small tmpfs, in a mount namespace of its own): nothing is written at
#    start-up, the message comes at exit, the exit is normal, and the old file is untouched.
# Usage: settings_faults.sh RUNTIME_DIR READ_SEVEN   (needs DISPLAY; exits 77 to skip without)
set -euo pipefail
RUNTIME=$1
reader=$2
. "$(dirname "$0")/lib.sh"
e2e_begin
folder="$work/config/Norvane"

expect_text() { # what a box said, what it should say
  [[ "$1" == *"$2"* ]] || fail "the message box said \"$1\", expected \"$2\""
}

# A settings level that cannot be created: the message at start-up, then a normal game.
blocked_at_start() {
  local what=$1 message=$2
  start_game
  expect_text "$(message_box_text)" "$message"
  play_a_wrong_guess
  exit_game
  echo "$what: \"$message\" at start-up, a guess played, a normal exit"
}

full_disk_at_exit() {
  mkdir -p "$folder"
  mount -t tmpfs -o size=64k tmpfs "$folder"
  at_exit umount "$folder"
  write_settings "$RUNTIME" "$folder/Brainlock.conf" Music=0 Sound=0
  cp "$folder/Brainlock.conf" "$work/before"
  dd if=/dev/zero of="$folder/filler" bs=4k 2>/dev/null || true # the disk is now full
  inotifywait -m -e modify,create,delete,move,attrib "$folder" >"$work/changes" 2>"$work/watching" &
  local watcher=$!
  wait_until 10 grep -q 'Watches established' "$work/watching" || fail "inotifywait did not start"
  start_game # the settings are read, and any start-up write made, before the window shows
  kill "$watcher"
  [ ! -s "$work/changes" ] || fail "the start-up wrote to the settings folder: $(cat "$work/changes")"
  [ "$(game_windows | wc -l)" = 1 ] || fail "a message box at start-up with a readable file"
  play_a_wrong_guess
  dialog=$(ask_to_exit)
  xdotool windowfocus --sync "$dialog" key alt+y # the save fails
  expect_text "$(message_box_text)" "Failed to set data for 'Left'"
  wait_for_end "the message after a failed save" 0
  cmp -s "$work/before" "$folder/Brainlock.conf" || fail "the failed save changed the old file"
  echo "full disk: nothing written at start-up, \"Failed to set data for 'Left'\" at exit," \
    "code 0, the old file untouched"
}

if [ "${3:-}" = --full-disk ]; then
  full_disk_at_exit
  exit 0
fi

mkdir -p "$work/config"
echo "not a folder" >"$folder"
cp "$folder" "$work/before"
blocked_at_start "\"Norvane\" a plain file" "Failed to create key Norvane"
cmp -s "$work/before" "$folder" || fail "the plain file \"Norvane\" was changed"
rm "$folder"

mkdir -p "$folder/Brainlock.conf"
echo "kept" >"$folder/Brainlock.conf/inside"
blocked_at_start "\"Brainlock.conf\" a folder" "Failed to create key Brainlock"
[ "$(ls -A "$folder/Brainlock.conf")" = inside ] && [ "$(cat "$folder/Brainlock.conf/inside")" = kept ] ||
  fail "the folder in the file's place was changed"
rm -rf "$folder"

# A tmpfs needs a mount namespace: root's own, or a user namespace where that is allowed.
if [ "$(id -u)" = 0 ] && unshare --mount true 2>/dev/null; then
  unshare --mount --propagation private "$0" "$RUNTIME" "$reader" --full-disk
elif unshare --user --map-root-user --mount true 2>/dev/null; then
  unshare --user --map-root-user --mount "$0" "$RUNTIME" "$reader" --full-disk
else
  echo "full disk: skipped, no mount namespace for a tmpfs here"
fi
