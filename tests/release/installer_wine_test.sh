#!/usr/bin/env bash
# installer_wine_test.sh INSTALLER ZIP TOUR WORK_DIR
# What a Windows user does with the release, under Wine in a fresh prefix
# (WORK_DIR/prefix, cloned from the template, Wine's null graphics driver):
# a silent install into the default folder, the installed Zelt.exe started
# and closed, the install and the uninstall refused while Zelt runs, a silent
# uninstall through the uninstall entry's own command, an install into a
# folder given with /D=, and the portable zip run from a folder of its own.
# TOUR is zelt-tour.exe, which waits for Zelt's window and closes it.
# Prints the install and uninstall times.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$root/scripts/lib/wine-env"
mkdir -p "$4"
installer=$(realpath "$1")
zip=$(realpath "$2")
tour=$(realpath "$3")
work=$(realpath "$4")

version=$(basename "$installer" | sed -n 's/^Zelt-Setup-\(.*\)\.exe$/\1/p')
shipped=(Zelt.exe pyrite.chm zelt-dat.exe README.txt)
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelt'
# Longest a silent install, uninstall or a Zelt start may take before the
# test calls it hung (a message box waiting for an answer, say).
step_limit=120

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
expect_equal() { # what, actual, expected
  [ "$2" = "$3" ] || fail "$1: got '$2', expected '$3'"
}

echo "-- every message box of the installer has an answer for silent runs"
# Joins continued lines first: a message box may span several.
missing_default=$(sed -e ':a' -e '/\\$/N; s/\\\n//; ta' "$root/installer/zelt.nsi" |
  grep -E '^\s*MessageBox' | grep -v '/SD ' || true)
[ -z "$missing_default" ] || fail "message boxes without /SD: $missing_default"

export WINEPREFIX=$work/prefix
zelt_clone_prefix "$WINEPREFIX"
unset DISPLAY
trap '"$ZELT_WINESERVER" -k 2>/dev/null || true' EXIT
"$ZELT_WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null

unix_path() { # C:\a\b: the same file seen from here
  local rest=${1#?:\\}
  echo "$WINEPREFIX/drive_c/${rest//\\//}"
}
folders=$("$ZELT_WINE" cmd /c 'echo %LOCALAPPDATA%&echo %APPDATA%' | tr -d '\r')
win_local=$(sed -n 1p <<<"$folders")
local_data=$(unix_path "$win_local")
start_menu=$(unix_path "$(sed -n 2p <<<"$folders")")/Microsoft/Windows/'Start Menu'/Programs
shortcut="$start_menu/Zelt Local Setup.lnk"

read_uninstall_entry() { # into $entry; empty when there is none
  entry=$("$ZELT_WINE" reg query "$uninstall_key" 2>/dev/null) || entry=
  entry=${entry//$'\r'/}
}
entry_value() { # name: its data in the entry last read
  sed -n "s/^ *$1 *REG_[A-Z_]* *//p" <<<"$entry"
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }
seconds_since() { # start in ms: the time since, in seconds with one decimal
  local tenths=$((($(now_ms) - $1 + 50) / 100))
  echo "$((tenths / 10)).$((tenths % 10))"
}

# Runs a Windows program and waits for it and everything it started: Wine
# may return before an installer's or uninstaller's work is done (the
# uninstaller hands over to a copy of itself at once). Leaves both times in
# $timing.
run_to_end() {
  local status=0 start
  start=$(now_ms)
  timeout "$step_limit" "$ZELT_WINE" "$@" || status=$?
  timing="returned after $(seconds_since "$start") s"
  timeout "$step_limit" "$ZELT_WINESERVER" -w
  timing+=", Wine idle after $(seconds_since "$start") s"
  return $status
}

start_zelt() { # exe: starts it and waits until its window shows
  "$ZELT_WINE" "$1" &
  zelt=$!
  "$ZELT_WINE" "$tour" wait || fail "$1 showed no window"
}

close_zelt() { # closes the window start_zelt waited for; Zelt must end with 0
  "$ZELT_WINE" "$tour" close || fail "no Zelt window to close"
  local waited=0
  while kill -0 "$zelt" 2>/dev/null && [ $waited -lt $step_limit ]; do
    sleep 1
    waited=$((waited + 1))
  done
  local status=0
  if kill -0 "$zelt" 2>/dev/null; then
    kill "$zelt"
    fail "Zelt did not end after WM_CLOSE"
  fi
  wait "$zelt" || status=$?
  expect_equal "Zelt's exit code" "$status" 0
}

# The user's own files, which no uninstall may touch: a data file in the
# install folder's parent and the snapshot folder.
mkdir -p "$local_data/Programs" "$local_data/Zelt/Snapshots"
head -c 25760 /dev/urandom >"$local_data/Programs/Mine.DAT"
head -c 25760 /dev/urandom >"$local_data/Zelt/Snapshots/first.DAT"
user_files=("$local_data/Programs/Mine.DAT" "$local_data/Zelt/Snapshots/first.DAT")
user_sums=$(md5sum "${user_files[@]}")

portable=$work/portable-contents
rm -rf "$portable"
mkdir -p "$portable"
(cd "$portable" && cmake -E tar xf "$zip")

echo "-- silent install into the default folder"
run_to_end "$installer" /S || fail "installer exit code $?"
echo "   installer $timing"
win_folder="$win_local\\Programs\\Zelt"
folder=$local_data/Programs/Zelt
for name in "${shipped[@]}"; do
  cmp -s "$folder/$name" "$portable/$name" || fail "$name installed differs from the zip's"
done
[ -f "$folder/Uninstall.exe" ] || fail "no Uninstall.exe"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
strings "$shortcut" | grep -qxF "$win_folder\\Zelt.exe" || fail "the shortcut does not start $win_folder\\Zelt.exe"
read_uninstall_entry
expect_equal DisplayName "$(entry_value DisplayName)" "Zelt Local Setup"
expect_equal DisplayVersion "$(entry_value DisplayVersion)" "$version"
expect_equal Publisher "$(entry_value Publisher)" "The Zelt developers"
expect_equal InstallLocation "$(entry_value InstallLocation)" "$win_folder"
expect_equal UninstallString "$(entry_value UninstallString)" "\"$win_folder\\Uninstall.exe\""
installed_bytes=$(cat "${shipped[@]/#/$folder/}" "$folder/Uninstall.exe" | wc -c)
expect_equal "EstimatedSize (KB)" "$(($(entry_value EstimatedSize)))" "$(((installed_bytes + 1023) / 1024))"

echo "-- the installed Zelt.exe starts, shows its window and closes on WM_CLOSE"
start_zelt "$folder/Zelt.exe"
close_zelt
# Zelt writes its backup file beside itself when it closes: the folder of a
# per-user install is the user's own.
[ -f "$folder/A4QELD.BAK" ] || fail "no backup file written beside the installed Zelt.exe"

echo "-- while Zelt runs, a silent install or uninstall changes nothing and fails"
start_zelt "$folder/Zelt.exe"
# _?= runs the uninstaller in place, so its exit code is the answer.
status=0
timeout "$step_limit" "$ZELT_WINE" "$folder/Uninstall.exe" /S "_?=$win_folder" || status=$?
expect_equal "uninstaller exit code while Zelt runs" "$status" 2
status=0
timeout "$step_limit" "$ZELT_WINE" "$installer" /S || status=$?
expect_equal "installer exit code while Zelt runs" "$status" 2
read_uninstall_entry
[ -f "$folder/Zelt.exe" ] && [ -f "$shortcut" ] && [ -n "$entry" ] ||
  fail "the refused uninstall removed something"
close_zelt
backup_sum=$(md5sum "$folder/A4QELD.BAK")

echo "-- silent uninstall with the uninstall entry's command"
uninstall_command=$(entry_value UninstallString)
uninstaller=${uninstall_command#\"}
uninstaller=${uninstaller%\"}
run_to_end "$uninstaller" /S || fail "uninstaller exit code $?"
echo "   uninstaller $timing"
for name in "${shipped[@]}" Uninstall.exe; do
  [ ! -e "$folder/$name" ] || fail "$name left behind"
done
[ ! -e "$shortcut" ] || fail "shortcut left behind"
read_uninstall_entry
[ -z "$entry" ] || fail "uninstall entry left behind"
md5sum --quiet -c <<<"$backup_sum" || fail "the backup file was removed or changed"
md5sum --quiet -c <<<"$user_sums" || fail "the user's data files were removed or changed"
expect_equal "install folder after uninstall" "$(ls -A "$folder")" "A4QELD.BAK"

echo "-- /D= puts the program into the folder given, and uninstall removes it whole"
win_chosen='C:\Zelt Tools\Zelt'
chosen=$WINEPREFIX/drive_c/'Zelt Tools'/Zelt
# The installer takes the rest of its command line after /D= as the folder,
# unquoted; Wine would quote one argument that holds a space, so the folder
# is passed in pieces that Wine joins with spaces.
read -ra chosen_words <<<"/D=$win_chosen"
run_to_end "$installer" /S "${chosen_words[@]}" || fail "installer exit code $?"
for name in "${shipped[@]}" Uninstall.exe; do
  [ -f "$chosen/$name" ] || fail "$name not in the chosen folder"
done
[ ! -e "$folder/Zelt.exe" ] || fail "installed into the default folder despite /D="
read_uninstall_entry
expect_equal InstallLocation "$(entry_value InstallLocation)" "$win_chosen"
expect_equal UninstallString "$(entry_value UninstallString)" "\"$win_chosen\\Uninstall.exe\""
run_to_end "$chosen/Uninstall.exe" /S || fail "uninstaller exit code $?"
[ ! -e "$chosen" ] || fail "the emptied install folder was left behind"
[ -d "$WINEPREFIX/drive_c/Zelt Tools" ] || fail "the chosen folder's parent was removed"

echo "-- the portable zip runs from a folder of its own"
carried=$WINEPREFIX/drive_c/'Portable Zelt'
mkdir -p "$carried"
cp "$portable"/* "$carried"/
start_zelt "$carried/Zelt.exe"
close_zelt
[ -f "$carried/A4QELD.BAK" ] || fail "no backup file written beside the portable Zelt.exe"

if [ "$failures" -ne 0 ]; then
  echo "installer test: $failures failures" >&2
  exit 1
fi
echo "installer test: all passed"
