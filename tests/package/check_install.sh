#!/bin/bash
# scripts/install-linux as a user runs it, in a home of its own:
#
#   check_install.sh WIN32_BUILD WIN64_BUILD
#
# installs from the build this machine runs (scripts/wine-env says which,
# and the output says so); checks the desktop entry with
# desktop-file-validate and the icons' sizes; starts the entry's Exec line
# on a virtual screen and waits for the Vantrel window on the emulator
# (xwininfo), with a screenshot; runs the emulator session through the
# window the command starts; has the vantrel command refuse a library
# for the other machine and a port that is no serial device, before Wine
# starts and remembering neither; then uninstalls, which keeps the
# emulator's drive g:, and uninstalls with --purge, after which the home is
# as it was before the install, file for file.
set -euo pipefail

(($# == 2)) || { echo "usage: check_install.sh WIN32_BUILD WIN64_BUILD" >&2; exit 2; }
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
fail() {
  echo "check_install: $*" >&2
  exit 1
}

# shellcheck source=../../scripts/wine-env
. "$root/scripts/wine-env" || fail "$VANTREL_WINDOWS_WHY"
arch=$VANTREL_WINDOWS_ARCH
other=$([[ $arch == win32 ]] && echo win64 || echo win32)
export VANTREL_WIN32_BUILD VANTREL_WIN64_BUILD
VANTREL_WIN32_BUILD=$(realpath -m -- "$1")
VANTREL_WIN64_BUILD=$(realpath -m -- "$2")
declare -A build=([win32]=$VANTREL_WIN32_BUILD [win64]=$VANTREL_WIN64_BUILD)
echo "check_install: $VANTREL_WINDOWS_WHY: the $arch build is installed"

work=$(mktemp -d)
home=$work/home
mkdir -p "$home"
cleanup() {
  [[ ! -d $home/.local/share/vantrel/emulator/wineprefix ]] ||
    WINEPREFIX=$home/.local/share/vantrel/emulator/wineprefix wineserver -k 2>/dev/null || true
  rm -rf -- "$work"
}
trap cleanup EXIT
listing() { (cd "$home" && find . -printf '%p %y %m %s\n' | LC_ALL=C sort); }
before=$(listing)

export HOME=$home
unset WINEPREFIX WINEARCH
"$root/scripts/install-linux"

entry=$home/.local/share/applications/vantrel.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
echo "check_install: desktop-file-validate accepts the entry"
for size in 16 32 48 256; do
  icon=$home/.local/share/icons/hicolor/${size}x$size/apps/vantrel.png
  [[ $(identify -format '%wx%h' "$icon" 2>/dev/null) == "${size}x$size" ]] ||
    fail "$icon is not a ${size}x$size picture"
done
echo "check_install: the icon at 16, 32, 48 and 256 px"

# The Exec line as a desktop starts it: one quoted path, unescaped.
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[[ $exec_line =~ ^\"(.*)\"$ ]] || fail "Exec=$exec_line: expected one quoted path"
command=$(sed -e 's/\\\\/\\/g' -e 's/\\\(["`$\\]\)/\1/g' -e 's/%%/%/g' <<<"${BASH_REMATCH[1]}")
[[ -x $command ]] || fail "Exec names $command, which is not a program"

shot=${VANTREL_INSTALL_SHOT:-$work/vantrel.png}
# shellcheck disable=SC2016  # expanded by the inner shell
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
  command=$1 shot=$2
  start=$(date +%s%N)
  "$command" >/dev/null 2>&1 &
  for _ in $(seq 1 1200); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"Vantrel\": (\"vantrel.exe\""; then
      echo "check_install: the Vantrel window is up, $((($(date +%s%N) - start) / 1000000)) ms after the Exec line (the first start makes the prefix)"
      sleep 1  # let it paint
      import -window root "$shot"
      WINEPREFIX=$HOME/.local/share/vantrel/emulator/wineprefix wineserver -k
      exit 0
    fi
    sleep 0.1
  done
  echo "check_install: no Vantrel window within two minutes of the Exec line" >&2
  exit 1
' check_install "$command" "$shot" || fail "the desktop entry did not start the window"
[[ $(identify -format '%wx%h' "$shot") == 1280x1024 ]] || fail "no screenshot"
echo "check_install: screenshot taken ($shot)"
[[ -f $home/.local/share/vantrel/emulator/g/abcd/binfile/ORLOG7_Encode.Bin ]] ||
  fail "drive g: of the emulator has no firmware image"

# The emulator session through the window the command starts, twice, as a
# user starts it (the launcher's prefix starts none of Wine's device drivers).
driver=${build[$arch]}/tests/e2e/vantrel_e2e.exe
[[ -f $driver ]] || fail "$driver is missing: build the $arch preset"
# shellcheck disable=SC2016  # expanded by the inner shell
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
  export WINEPREFIX=$HOME/.local/share/vantrel/emulator/wineprefix WINEDEBUG=-all
  VANTREL_STATE_FILE=$(winepath -w "$HOME/.local/share/vantrel/emulator/logger.state")
  export VANTREL_STATE_FILE
  exec bash "$1" "$2" "$3" user_install "$(printf %q "$4") >/dev/null 2>&1"
' check_install "$here/attached_session.sh" "$driver" "$work/scratch" "$command" ||
  fail "the emulator session through the launcher's window failed"
echo "check_install: the emulator session passed through the window the command starts"

# Refusals come before Wine, and nothing is remembered from them.
vantrel=$home/.local/bin/vantrel
other_dll=${build[$other]}/emulator/ORLOG7_DLL.dll
if [[ -f $other_dll ]]; then
  if out=$("$vantrel" --library "$other_dll" 2>&1); then fail "vantrel took the $other library $other_dll"; fi
  grep -q "cannot load it" <<<"$out" || fail "vantrel --library (the $other library): $out"
  echo "check_install: vantrel refuses the $other library: $out"
fi
same_dll=$home/.local/share/vantrel/program/ORLOG7_DLL.dll
if out=$("$vantrel" --library "$same_dll" --com 3=/etc/hostname 2>&1); then fail "vantrel took /etc/hostname as COM3"; fi
grep -q "not a serial (character) device" <<<"$out" || fail "vantrel --com 3=/etc/hostname: $out"
echo "check_install: vantrel refuses a port that is no serial device: $out"
[[ ! -e $home/.config/vantrel ]] || fail "a refused start remembered its options"

"$root/scripts/install-linux" --uninstall
[[ ! -e $vantrel && ! -e $entry && ! -e $home/.local/share/vantrel/program ]] || fail "--uninstall left the program"
[[ -f $home/.local/share/vantrel/emulator/g/abcd/binfile/ORLOG7_Encode.Bin ]] ||
  fail "--uninstall removed the emulator's drive g:"
"$root/scripts/install-linux" --uninstall --purge
after=$(listing)
if [[ $before != "$after" ]]; then
  diff <(echo "$before") <(echo "$after") >&2 || true
  fail "the home is not as it was before the install (above: < before, > after)"
fi
echo "check_install: after --uninstall --purge the home is as it was"
