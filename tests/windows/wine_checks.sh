#!/usr/bin/env bash
# The Windows build proven under Wine, on an Xvfb of its own and a Wine prefix made for the run:
# the unit and widget tests; then the game unzipped into a fresh folder and played as a player
# would: its window at its place, a wrong guess scored (read from a screenshot), a game won
# (the "You Win !!" dialog), its settings in the registry as REG_DWORD values, a second start
# that applies them and a drag by the title that is stored, "X" and Yes ending it with code 0,
# and a click heard (SDL's disk output). Then, in a fresh prefix, the setup program: a silent
# install, its files, shortcut and "Apps & features" entry, the installed game started as the
# shortcut starts it and played, an install over it, and a silent uninstall that leaves the
# player's settings.
# Each check prints a line; the last line is "windows: N passed, N failed".
# Usage: wine_checks.sh BUILD_DIR ZIP PREFIX SETUP
#   (BUILD_DIR: build-windows; PREFIX: the libraries; SETUP: the setup program)
set -uo pipefail
build=$1
zip=$2
prefix=$3
setup=$4
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
passed=0
failed=0

. "$root/scripts/xvfb-lib"
start_xvfb
# The game's own end-to-end helpers (clicks, screenshots, the exit question), on Wine.
RUNTIME=""
reader=""
FACTS="$build/host/bin" # the game's facts, from the build for this machine
GAME=(wine brainlock.exe) # lib.sh starts it in RUNTIME
. "$root/tests/e2e/lib.sh"
e2e_begin
helpers+=("$XVFB_PID") # lib.sh's exit trap replaces start_xvfb's
# No menu entries of Wine's own for what the checks install (winemenubuilder), on this machine.
export WINEPREFIX="$work/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" WINEARCH=win64
wineboot --init >/dev/null 2>&1
wineserver -w
unix_to_wine() { echo "Z:${1//\//\\}"; }

# Ends every program of the prefix (the game a check started among them) and its wineserver,
# so that no check meets the windows or processes of the one before.
end_wine() {
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
}
check() { # NAME COMMAND...: runs a check, its output kept for a failure
  local name=$1 status=0
  shift
  ("$@") >"$work/check.log" 2>&1 || status=$?
  end_wine
  if [ "$status" -eq 0 ]; then
    passed=$((passed + 1))
    echo "windows: $name: passed"
    grep -v '^ALSA lib' "$work/check.log" | sed 's/^/    /'

  else
    failed=$((failed + 1))
    echo "windows: $name: FAILED"
    grep -v '^ALSA lib' "$work/check.log" | tail -n 25 | sed 's/^/    /'
  fi
}

# The tests, beside the DLLs they were built against; the widgets on Qt's offscreen platform
# (as on Linux), whose Windows build reads its fonts from one folder: the Liberation fonts the
# Linux tests see. Wine hands a Windows program a QT_ variable only as WINEQT_.
run_tests() {
  local exe=$1 mingw
  mingw=$(dirname "$(x86_64-w64-mingw32-gcc-posix -print-file-name=libstdc++-6.dll)")
  export WINEPATH="$(unix_to_wine "$prefix/bin");$(unix_to_wine "$mingw");$(unix_to_wine /usr/x86_64-w64-mingw32/lib)"
  export WINEQT_QPA_PLATFORM=offscreen
  export WINEQT_QPA_FONTDIR="$(unix_to_wine /usr/share/fonts/truetype/liberation)" # fonts-liberation
  (cd "$build/bin" && timeout 600 wine "$exe.exe" --gtest_brief=1) 2>&1 | tr -d '\r' | tee "$work/$exe.log" |
    grep -E '^\[  (FAILED|PASSED) ' | tail -n 30
  grep -q '^\[  PASSED  \]' "$work/$exe.log" && ! grep -q '^\[  FAILED  \]' "$work/$exe.log"
}
key='HKCU\Software\Norvane\Brainlock'
if [ "${WINE_CHECKS:-all}" != game ]; then # WINE_CHECKS=game: only the game's own checks
  # A player's settings, which the tests must neither read nor change nor remove: the whole
  # key, every value and subkey, is the same after them.
  wine reg add "$key" /v Sentinel /t REG_DWORD /d 7 /f >/dev/null 2>&1
  wine reg add "$key" /v Left /t REG_DWORD /d 123 /f >/dev/null 2>&1
  wine reg add "$key" /v Digit /t REG_DWORD /d 6 /f >/dev/null 2>&1
  whole_key() { wine reg query "$key" /s 2>/dev/null | tr -d '\r'; }
  whole_key >"$work/players-key.before"
  check "unit tests (test_core.exe)" run_tests test_core
  check "widget tests (test_widgets.exe)" run_tests test_widgets
  players_settings_kept() {
    whole_key >"$work/players-key.after"
    grep -q 'Sentinel *REG_DWORD *0x7$' "$work/players-key.before" ||
      fail "the player's settings could not be put under $key before the tests"
    diff "$work/players-key.before" "$work/players-key.after" >"$work/players-key.diff" ||
      fail "the tests changed the player's settings under $key: $(cat "$work/players-key.diff")"
    ! wine reg query 'HKCU\Software\Brainlock tests' >/dev/null 2>&1 ||
      fail "the tests left their own key HKCU\\Software\\Brainlock tests behind"
    wine reg delete "$key" /f >/dev/null 2>&1
    echo "the player's key $key is as it was, every value, and the tests' own key is gone"
  }
  check "the tests leave the player's settings alone" players_settings_kept
fi
unset WINEPATH WINEQT_QPA_PLATFORM WINEQT_QPA_FONTDIR

# The game, unzipped where no build folder is near.
mkdir -p "$work/unzipped"
python3 -m zipfile -e "$zip" "$work/unzipped"
RUNTIME=$(ls -d "$work/unzipped"/brainlock-*)
reader="$build/host/bin/read_seven"
# Wine's windows are X windows; the process id of the one running the game is not wine's,
# and Wine takes its time to start a program.
GAME_START_SECONDS=60
GAME_WINDOWS_BY_NAME=1
reg_value() { # the REG_DWORD value NAME of the game's key, in decimal
  local hex
  hex=$(wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name && $2 == "REG_DWORD" { print $3 }')
  [ -n "$hex" ] && echo $((hex))
}
score() { # what the one-digit score display $1 (ssNumbers or ssPlace) shows
  local left top width height x y
  read -r left top width height < <(place_of "$FACTS" "$1")
  read -r x y < <(origin)
  import -window root "$work/shot.png"
  "$reader" "$work/shot.png" $((x + left)) $((y + top)) "$width" "$height" 1 2 8
}

first_start() {
  # Started from Explorer, a console program would open a console window beside the game.
  local headers
  headers=$(x86_64-w64-mingw32-objdump -p "$RUNTIME/brainlock.exe")
  grep -q '^Subsystem.*(Windows GUI)' <<<"$headers" || fail "brainlock.exe is not a Windows GUI program"
  python3 - "$RUNTIME/brainlock.exe" "$root/resources/icons/256x256/brainlock.png" <<'EOF' ||
import sys
exe, icon = (open(path, "rb").read() for path in sys.argv[1:])
sys.exit(0 if icon in exe and "FileDescription".encode("utf-16-le") in exe else 1)
EOF
    fail "brainlock.exe carries no icon or no version details"
  export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$(unix_to_wine "$work/audio.raw")"
  play_first_run
  echo "a GUI program with its icon"
}

# Whether the game has answered the guess $1 typed last: a win box, or ssLeft down by one.
answered() {
  xdotool search --onlyvisible --name '^You Win !!$' >/dev/null 2>&1 && return 0
  local now
  now=$(read_left) # two digits, "09" below ten
  [[ $now =~ ^[0-9]+$ ]] && [ $((10#$now)) -eq $((10#$left - 1)) ] && left=$now
}
# Plays on to a win: each guess is one that agrees with every answer so far.
win_a_game() {
  local history="" guess number place
  left=$(read_left)
  for _ in $(seq 10); do
    guess=$(python3 "$here/next_guess.py" $history) || fail "no guess agrees with: $history"
    type_digits "$guess"
    click $(centre pbGuess)
    # The answer: the displays show the new guess's scores, or the win box opens.
    wait_until 20 answered "$guess" || fail "no answer to $guess"
    if win=$(xdotool search --onlyvisible --name '^You Win !!$' 2>/dev/null); then
      xdotool windowfocus --sync "$(head -n 1 <<<"$win")" key Return
      echo "won with $guess after answers: ${history:-none}"
      return 0
    fi
    number=$(score ssNumbers)
    place=$(score ssPlace)
    history="$history $guess:$number:$place"
  done
  fail "no win in ten guesses: $history"
}

# The disk output is written as the device plays, so a click shows in the file once the
# device has played it: the bytes after the click are read until they hold it.
click_sounds() {
  before=$(stat -c %s "$work/audio.raw")
  type_digits 7
  wait_until 20 heard_since "$before"
}
heard_since() {
  python3 - "$work/audio.raw" "$1" <<'EOF'
import array, sys
data = open(sys.argv[1], "rb").read()[int(sys.argv[2]) // 4 * 4:]
samples = array.array("h", data[: len(data) // 2 * 2])
peak = max(map(abs, samples), default=0)
print("after the click the output went on %d bytes, peak %d" % (len(data), peak))
sys.exit(0 if peak > 3000 else 1)
EOF
}

exit_and_read_registry() {
  exit_game
  local name value
  for name in Left Top Digit Duplicate Music Sound Logs Option; do
    value=$(reg_value "$name") || fail "no REG_DWORD value $name under $key"
    echo "$name=$value"
  done
  [ "$(reg_value Left),$(reg_value Top)" = "300,132" ] || fail "the place stored is not 300,132"
  echo "\"X\" and Yes: code 0; the settings are REG_DWORD values under $key"
}

# One player's session: each step needs the window and the process the one before started.
play_from_the_zip() {
  first_start
  win_a_game
  click_sounds || fail "the keypad click was not heard"
  exit_and_read_registry
}
check "the game played from the unzipped folder" play_from_the_zip

second_start() {
  wine reg add "$key" /v Left /t REG_DWORD /d 200 /f >/dev/null
  wine reg add "$key" /v Top /t REG_DWORD /d 150 /f >/dev/null
  wine reg add "$key" /v Digit /t REG_DWORD /d 5 /f >/dev/null
  local extra # the width a fifth digit adds
  extra=$(. "$FACTS/brainlock-facts.sh" && echo "$layout_extra_width_per_digit")
  start_game
  [ "$(window_place)" = "200,150" ] || fail "second start: window at $(window_place), expected 200,150"
  left=$(guesses_left 16 "$extra") # moved right by half of a fifth digit's width
  [ "$left" = "16" ] || fail "second start: ssLeft shows $left, expected 16 for five digits"
  drag_title 40 30
  wait_for_place 240,180 || fail "dragged by 40,30 from 200,150 to $(window_place), expected 240,180"
  # A click on the skin beside the keypad, then the pointer on "Guess" without a button: no
  # drag, the window stays (the exit below finds its "X" where it was, and the place stored).
  click $(centre imgMainLeft)
  point $(centre pbGuess "$extra")
  exit_game "$extra"
  [ "$(reg_value Left),$(reg_value Top)" = "240,180" ] ||
    fail "the dragged place 240,180 is not stored: $(reg_value Left),$(reg_value Top)"
  echo "second start: at 200,150, a five-digit game of 16 guesses; dragged by its title to"
  echo "240,180, which a click and a move without a button left alone, and \"X\" and Yes"
  echo "stored (code 0)"
}
check "a second start applies the registry's settings and stores a drag" second_start

# The setup program, in a prefix of its own: what a player who downloads it meets.
export WINEPREFIX="$work/wine-setup"
wineboot --init >/dev/null 2>&1
wineserver -w
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brainlock Game'
user_folder() { winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
installed="$(user_folder LOCALAPPDATA)/Programs/Brainlock Game"
shortcut="$(user_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Brainlock Game.lnk"
entry() { # the string value NAME of the game's "Apps & features" entry
  wine reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$1 *REG_[A-Z_]* *//p"
}
installed_as_expected() {
  local file value
  for file in brainlock.exe Qt6Core.dll SDL2_mixer.dll platforms/qwindows.dll click.wav \
    brainlock.html uninstall.exe; do
    [ -f "$installed/$file" ] || fail "no $file in $installed"
  done
  [ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
  # The shortcut's target, working folder and icon, from the link file itself.
  IFS=$'\t' read -r target folder icon < <(python3 "$here/read_shortcut.py" "$shortcut") ||
    fail "the shortcut cannot be read"
  [ "$target" = "$(winepath -w "$installed/brainlock.exe" 2>/dev/null)" ] &&
    [ "$folder" = "${target%\\brainlock.exe}" ] && [ "$icon" = "$target" ] ||
    fail "the shortcut runs $target in $folder with the icon of $icon"
  echo "the shortcut runs $target in its folder, with its icon"
  for value in "DisplayName=Brainlock Game" "DisplayVersion=$version" "Publisher=Norvane, Inc." \
    "DisplayIcon=${target},0" "InstallLocation=${target%\\brainlock.exe}" \
    "UninstallString=\"${target%brainlock.exe}uninstall.exe\"" \
    "QuietUninstallString=\"${target%brainlock.exe}uninstall.exe\" /S"; do
    [ "$(entry "${value%%=*}")" = "${value#*=}" ] ||
      fail "the entry's ${value%%=*} is \"$(entry "${value%%=*}")\", not \"${value#*=}\""
  done
  [ -n "$(entry EstimatedSize)" ] || fail "the entry gives no size"
  echo "the \"Apps & features\" entry names the game, its version, publisher, icon, folder and size"
}
. "$root/scripts/version-lib"
version=$(project_version "$root")
install_and_play() {
  wine "$(unix_to_wine "$setup")" /S || fail "the silent install failed"
  installed_as_expected
  # As the shortcut starts it: in its own folder.
  RUNTIME=$installed
  export SDL_AUDIODRIVER=dummy
  play_first_run # as the installed game
  exit_and_read_registry
}
check "the setup program installs the game, which plays" install_and_play

entries() { wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
  tr -d '\r' | grep -c 'DisplayName *REG_SZ *Brainlock Game$'; }
install_over() {
  wine "$(unix_to_wine "$setup")" /S || fail "the silent install over the installed game failed"
  installed_as_expected
  [ "$(entries)" = 1 ] || fail "$(entries) \"Apps & features\" entries after installing again"
  echo "installed again over it: one entry"
}
check "installing again replaces it in place" install_over

uninstall() {
  # The uninstaller copies itself away and returns at once: what it removes is waited for.
  # Started by its Windows path, as "Apps & features" starts it.
  wine "$(winepath -w "$installed/uninstall.exe" 2>/dev/null)" /S || fail "the silent uninstall failed"
  gone() { [ ! -e "$installed" ] && [ ! -e "$shortcut" ] && ! wine reg query "$uninstall_key" >/dev/null 2>&1; }
  wait_until 60 gone || fail "left after uninstalling: $(ls -A "$installed" 2>/dev/null | paste -sd' ')$([ -e "$shortcut" ] && echo ' the shortcut')$(wine reg query "$uninstall_key" >/dev/null 2>&1 && echo ' the entry')"
  [ "$(reg_value Left),$(reg_value Top)" = "300,132" ] ||
    fail "the player's settings went with the game"
  echo "uninstalled silently: no program file, shortcut or entry left; the player's settings kept"
}
check "the uninstaller removes the game and keeps the player's settings" uninstall

echo "windows: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
