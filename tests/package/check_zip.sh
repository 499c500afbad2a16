#!/bin/bash
# The zip as a user meets it:
#
#   check_zip.sh ZIP WIN32_BUILD WIN64_BUILD
#
# unpacks ZIP, checks its SHA256SUMS, that every file its README.txt names
# is in it and the one version (zip_contents.py), then follows README.txt's
# steps for the emulator under Wine word for word, in a home of its own
# whose ~/.wine nothing but Wine itself makes: copies the emulator beside
# Vantrel.exe, makes the prefix with wineboot, maps and fills drive g:, and
# starts the program with plain "wine Vantrel.exe", twice. The end-to-end
# driver attaches to each run and walks the emulator session through the
# window (case user_zip.emulator_session).
#
# Where only 64-bit Windows programs run (scripts/wine-env), the zip's
# 32-bit programs cannot: the 64-bit build's Vantrel.exe, emulator and
# fixture tool (WIN64_BUILD) take their places in the unpacked zip, and the
# output says so. The zip itself stays 32-bit.
set -euo pipefail

(($# == 3)) || { echo "usage: check_zip.sh ZIP WIN32_BUILD WIN64_BUILD" >&2; exit 2; }
zip=$(realpath -- "$1")
declare -A build=([win32]=$(realpath -m -- "$2") [win64]=$(realpath -m -- "$3"))
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
die() {
  echo "check_zip: $*" >&2
  exit 1
}

# shellcheck source=../../scripts/wine-env
. "$root/scripts/wine-env" || die "$VANTREL_WINDOWS_WHY"
[[ -f $zip ]] || die "$zip is missing: cmake --build --preset win32 --target package"

work=$(mktemp -d)
cleanup() {
  [[ ! -d $work/home/.wine ]] || WINEPREFIX=$work/home/.wine wineserver -k 2>/dev/null || true
  rm -rf -- "$work"
}
trap cleanup EXIT

unzip -q "$zip" -d "$work/unpacked"
tops=("$work"/unpacked/*)
((${#tops[@]} == 1)) && [[ -d ${tops[0]} ]] || die "the zip does not hold one folder"
top=${tops[0]}
(cd "$top" && sha256sum --quiet -c SHA256SUMS) || die "SHA256SUMS does not match the zip's files"
echo "check_zip: SHA256SUMS matches"
python3 "$here/zip_contents.py" check "$top" "$(basename -- "$zip")"

arch=$VANTREL_WINDOWS_ARCH
driver=${build[$arch]}/tests/e2e/vantrel_e2e.exe
if [[ $arch == win64 ]]; then
  echo "check_zip: $VANTREL_WINDOWS_WHY."
  echo "check_zip: so the 64-bit build's Vantrel.exe, emulator and fixture tool (${build[win64]}) run here, laid out as in the zip; the zip itself is 32-bit"
  cp -f -- "${build[win64]}/app/Vantrel.exe" "$top/Vantrel.exe"
  cp -f -- "${build[win64]}/emulator/ORLOG7_DLL.dll" "$top/emulator/ORLOG7_DLL.dll"
  cp -f -- "${build[win64]}/emulator/tools/orlog7-fixtures.exe" "$top/emulator/orlog7-fixtures.exe"
else
  echo "check_zip: $VANTREL_WINDOWS_WHY: running the zip's own programs"
fi
[[ -f $driver ]] || die "$driver is missing: build the $arch preset (cmake --build --preset $arch)"

mapfile -t steps < <(python3 "$here/zip_contents.py" wine-steps "$top/README.txt")
((${#steps[@]} >= 2)) && [[ ${steps[-1]} == "wine Vantrel.exe" ]] ||
  die "README.txt's steps under Wine do not end with starting Vantrel.exe: ${steps[*]}"

# A user of this machine with no Wine prefix yet.
mkdir -p "$work/home"
export HOME=$work/home
unset WINEPREFIX WINEARCH WINEDLLOVERRIDES
export WINEDEBUG=-all
# shellcheck disable=SC2016  # expanded by the inner shell
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -c '
  set -euo pipefail
  session=$1 top=$2 driver=$3 scratch=$4
  shift 4
  cd "$top"
  last=$(($# - 1))
  for step in "${@:1:last}"; do
    echo "check_zip: \$ $step"
    eval "$step" >/dev/null
  done
  exec bash "$session" "$driver" "$scratch" user_zip "${!#}"
' check_zip "$here/attached_session.sh" "$top" "$driver" "$work/scratch" "${steps[@]}"
