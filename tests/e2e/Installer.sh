#!/usr/bin/env bash
# The Windows installer as a player uses it, under wine 10, on what
# scripts/release.sh made in dist/: for RDZ_ARCH=i686 the shipped 32-bit
# installer (run in WoW64), for x86_64 the same script built as a 64-bit
# installer of the x86_64 build:
#  1. a silent install (/S) puts the game and its uninstaller under Program
#     Files (the 32-bit one for the 32-bit installer), a shortcut in the
#     Start menu, and an entry in the list of installed programs (in the
#     registry view of the installer's kind) with the name, version,
#     publisher and icon;
#  2. the game started through the Start-menu shortcut shows its window,
#     and ends when the window is closed;
#  3. a silent uninstall (/S) takes away the files, the folder, the shortcut
#     and the entry.
# The zip is checked for the game and its text file.
set -euo pipefail
e2e_name=Installer
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
export RDZ_WINE_RUNTIME=wine10
source scripts/wine-env.sh
fail() { echo "$e2e_name ($RDZ_ARCH): $*" >&2; exit 1; }

version=$(head -n 1 VERSION)
dist=${RDZ_DIST_DIR:-$root/dist}
case $RDZ_ARCH in
  i686) kind=setup.exe; packed=win32.zip; program_files="Program Files (x86)"; view=32 ;;
  x86_64) kind=x64-setup.exe; packed=x64.zip; program_files="Program Files"; view=64 ;;
esac
setup=$dist/RozudavuvoDarizZodovi-$version-$kind
zip=$dist/RozudavuvoDarizZodovi-$version-$packed
[ -f "$setup" ] || fail "$setup was not made (scripts/release.sh)"
[ -f "$zip" ] || fail "$zip was not made (scripts/release.sh)"
unzip -l "$zip" | grep -q ' RozudavuvoDarizZodovi.exe$' || fail "the zip holds no game"
unzip -l "$zip" | grep -q ' README.txt$' || fail "the zip holds no README.txt"

[ -n "${DISPLAY:-}" ] || rdz_start_xvfb
rdz_start_wine

c=$WINEPREFIX/drive_c
dir="$c/$program_files/Rozudavuvo Dariz Zodovi"
shortcut="$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Rozudavuvo Dariz Zodovi.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\RozudavuvoDarizZodovi'
title="Rozudavuvo Dariz Zodovi"
# A run that failed half-way leaves nothing for the next one.
cleanup() {
  pkill -f 'RozudavuvoDarizZodovi\.exe' 2>/dev/null || true
  [ -f "$dir/uninstall.exe" ] && rdz_wine "$dir/uninstall.exe" /S </dev/null >/dev/null 2>&1
  rdz_stop_xvfb
}
trap cleanup EXIT
[ ! -e "$dir" ] || fail "the game is already installed in $dir"

wait_for() {  # what, test command...: up to 60 s for the command to succeed
  local what=$1; shift
  for _ in $(seq 1 300); do "$@" && return 0; sleep 0.2; done
  fail "$what"
}
entry() {  # the entry's lines; nothing when there is no entry
  local text
  text=$(rdz_wine reg query "$key" /reg:$view 2>/dev/null) || return 0
  printf '%s\n' "$text" | tr -d '\r'
}
no_entry() {  # reg says so, in words and by its status
  local text status=0
  text=$(rdz_wine reg query "$key" /reg:$view 2>/dev/null) || status=$?
  [ "$status" -ne 0 ] && printf '%s' "$text" | grep -q 'Unable to find'
}
value() {  # name: the entry's value of that name
  entry | awk -v n="$1" '$1 == n { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}

# --- install ---------------------------------------------------------------------
rdz_wine "$setup" /S </dev/null >/dev/null 2>&1 || fail "the installer ended with status $?"
wait_for "the installer put no game in $dir" test -f "$dir/RozudavuvoDarizZodovi.exe"
cmp -s "$dir/RozudavuvoDarizZodovi.exe" "${RDZ_BUILD_DIR:-build}/$RDZ_ARCH/bin/RozudavuvoDarizZodovi.exe" \
  || fail "the installed game is not the $RDZ_ARCH build"
[ -f "$dir/uninstall.exe" ] || fail "no uninstaller in $dir"
[ -f "$dir/README.txt" ] || fail "no README.txt in $dir"
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"

[ "$(value DisplayName)" = "Rozudavuvo Dariz Zodovi" ] || fail "the entry's name is '$(value DisplayName)'"
[ "$(value DisplayVersion)" = "$version" ] || fail "the entry's version is '$(value DisplayVersion)', not $version"
[ "$(value Publisher)" = "Rozudavuvo Casino" ] || fail "the entry's publisher is '$(value Publisher)'"
case $(value DisplayIcon) in *'\Rozudavuvo Dariz Zodovi\RozudavuvoDarizZodovi.exe,0') ;;
  *) fail "the entry's icon is '$(value DisplayIcon)'" ;; esac
case $(value UninstallString) in *'\Rozudavuvo Dariz Zodovi\uninstall.exe"') ;;
  *) fail "the entry's uninstaller is '$(value UninstallString)'" ;; esac

# --- the installed game, through its shortcut ------------------------------------------
# start hands the shortcut to the shell, which starts the game and returns.
rdz_wine start /unix "$shortcut" </dev/null >/dev/null 2>&1 || fail "start could not open the shortcut"
wid=""
for _ in $(seq 1 600); do  # up to 60 s for wine to bring the window up
  wid=$(xdotool search --name "^$title\$" 2>/dev/null | head -n 1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || fail "the shortcut brought up no window titled '$title'"
running() { pgrep -f 'RozudavuvoDarizZodovi\.exe' >/dev/null; }
running || fail "no game process behind the window"
# Close it as a player would: a click into the window gives it the focus,
# then Alt+F4; the window goes and the game ends.
eval "$(xdotool getwindowgeometry --shell "$wid")"
xdotool mousemove $((X + 300)) $((Y + 100)) click 1
xdotool key alt+F4
wait_for "the installed game did not end after Alt+F4" eval '! running'

# --- uninstall -----------------------------------------------------------------------
# The uninstaller runs a copy of itself from a temporary folder and may
# return before its work is done: wait for the things to go.
rdz_wine "$dir/uninstall.exe" /S </dev/null >/dev/null 2>&1 || fail "the uninstaller ended with status $?"
wait_for "the uninstaller left $dir" test ! -e "$dir"
wait_for "the uninstaller left the shortcut" test ! -e "$shortcut"
wait_for "the uninstaller left the entry of installed programs" no_entry
echo "$e2e_name: passed"
