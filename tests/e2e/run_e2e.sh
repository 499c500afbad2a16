#!/bin/bash
# Runs the end-to-end driver under Wine on a private X server.
#
#   run_e2e.sh WINEPREFIX DRIVER.exe [driver arguments...]
#
# The Wine prefix is made once by scripts/wine-prefix (wineboot is slow; the
# fonts, the X11 driver and the crash handling are set there) and reused by
# every test. VANTREL_WINDOWS_ARCH (win32 or win64, set by CMake) names the
# build the driver belongs to; scripts/wine-env starts Wine's loader for it.
set -euo pipefail

prefix=$1
shift
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../../scripts/wine-env
. "$here/../../scripts/wine-env" || { echo "run_e2e: $VANTREL_WINDOWS_WHY" >&2; exit 1; }

export WINEPREFIX=$prefix
export WINEDEBUG=-all

# The scratch folder named after --scratch is emptied for each run.
args=("$@")
scratch=
for ((i = 0; i < ${#args[@]}; i++)); do
  if [[ ${args[i]} == --scratch && $((i + 1)) -lt ${#args[@]} ]]; then
    scratch=${args[i + 1]}
    rm -rf -- "$scratch"
    mkdir -p -- "$scratch"
  fi
done

# VANTREL_E2E_PLAIN=1: a prefix without the dialog face's mapping and links.
"$here/../../scripts/wine-prefix" ${VANTREL_E2E_PLAIN:+--plain} "$prefix"

# Drive g:, where the tool's fixed paths point, is the run's own empty
# folder <scratch>/g: a case on the logger emulator puts the voice prompts
# and the firmware image there and finds the dump there. Cases on the fake
# library never touch it. The prefix's earlier mapping is put back at the end.
drive_g=$prefix/dosdevices/g:
if [[ -n $scratch && ( -L $drive_g || ! -e $drive_g ) ]]; then
  previous_g=$(readlink -- "$drive_g" || true)
  restore_drive_g() {
    if [[ -n $previous_g ]]; then ln -sfn -- "$previous_g" "$drive_g"; else rm -f -- "$drive_g"; fi
  }
  trap restore_drive_g EXIT
  mkdir -p -- "$scratch/g"
  ln -sfn -- "$scratch/g" "$drive_g"
fi

# One X server for the run, VANTREL_E2E_SCREEN (WxH) in size; the wineserver
# goes with it so the next test does not meet a desktop bound to a display
# that is gone. VANTREL_E2E_DPI: the DPI Wine reports for the run (its
# LogPixels), set back to the prefix's 96 afterwards.
rc=0
xvfb-run -a -s "-screen 0 ${VANTREL_E2E_SCREEN:-1280x1024}x24 -nolisten tcp" \
  bash -c '
    dpi() { wine reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
    [[ -z ${VANTREL_E2E_DPI:-} ]] || dpi "$VANTREL_E2E_DPI"
    wine "$@"; rc=$?
    [[ -z ${VANTREL_E2E_DPI:-} ]] || dpi 96
    wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; exit $rc' run_e2e "$@" ||
  rc=$?
exit $rc
