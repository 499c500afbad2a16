#!/bin/bash
# Runs the screens group once per screen users have: each row on an X server
# of its size (Xvfb has no task bar: the screen is the work area) and at its
# DPI, in the project's prefix or in a plain one where the dialog face is not
# installed (as a plain `wine Vantrel.exe` finds it, on a Traditional Chinese
# system).
#
#   screens.sh PREFIX PLAIN_PREFIX SCRATCH DRIVER.exe [driver arguments...]
#
# Every row runs every case; a DPI change is tried from the first row only.
# VANTREL_SCREENS_ROWS: the names of the rows to run (default: all).
set -euo pipefail

prefix=$1 plain=$2 scratch=$3
shift 3
here=$(dirname "${BASH_SOURCE[0]}")

# name            DPI  work area   prefix
rows=(
  "96dpi-1280x1024  96  1280x1024  project"
  "96dpi-1366x720   96  1366x720   project"
  "120dpi-1920x1020 120 1920x1020  project"
  "125dpi-1600x860  125 1600x860   project"
  "144dpi-1920x1008 144 1920x1008  project"
  "192dpi-3840x2064 192 3840x2064  project"
  "no-face-96dpi    96  1280x1024  plain"
)

status=0
first=1
for row in "${rows[@]}"; do
  read -r name dpi size kind <<<"$row"
  if [[ -n ${VANTREL_SCREENS_ROWS:-} && " $VANTREL_SCREENS_ROWS " != *" $name "* ]]; then
    continue
  fi
  cases=(screens.every_text_whole_every_control_in_reach)
  ((first)) && cases+=(screens.a_dpi_change_fits_again)
  first=0
  echo "== $name: $dpi DPI, work area $size, $kind prefix"
  env=(VANTREL_SCREEN="$name $dpi $size" VANTREL_E2E_SCREEN="$size" VANTREL_E2E_DPI="$dpi")
  row_prefix=$prefix
  if [[ $kind == plain ]]; then
    row_prefix=$plain
    # The system the tool is made for: code page 950, where Wine draws the
    # missing face with a Ming face of fixed-width Latin letters.
    env+=(VANTREL_E2E_PLAIN=1 LC_ALL=zh_TW.UTF-8)
  fi
  env "${env[@]}" bash "$here/run_e2e.sh" "$row_prefix" "$@" --scratch "$scratch/$name" \
    "${cases[@]}" || status=1
done
exit $status
