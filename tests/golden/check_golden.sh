#!/bin/bash
# The emulator's files are the same bytes from every build: a fixed session
# on a fixed clock (orlog7-fixtures scenario) writes a state file and a dump,
# another build's fixture tool reads that state file back and dumps it again
# (orlog7-fixtures redump), and all three must match the golden checksums.
#
#   check_golden.sh SUMS SCRATCH WRITER READER
#
# WRITER and READER are a fixture tool each: host:PATH for the Linux build,
# or win32:PREFIX:PATH and win64:PREFIX:PATH for a Windows build, run under
# Wine in that prefix (made or brought up to date by scripts/wine-prefix).
# SUMS holds "<sha-256>  state" and "<sha-256>  dump".
set -euo pipefail

sums=$1 scratch=$2 writer=$3 reader=$4
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
rm -rf -- "$scratch"
mkdir -p -- "$scratch/state" "$scratch/g"

# Runs the fixture tool of SPEC with ARGS; paths in ARGS start with / and
# are handed to a Windows tool as Windows paths.
fixtures() {
  local spec=$1
  shift
  case $spec in
    host:*) "${spec#host:}" "$@" ;;
    win32:* | win64:*)
      local arch=${spec%%:*} rest=${spec#*:}
      (
        export VANTREL_WINDOWS_ARCH=$arch WINEPREFIX=${rest%%:*} WINEDEBUG=-all
        # shellcheck source=../../scripts/wine-env
        . "$root/scripts/wine-env" || { echo "check_golden: $VANTREL_WINDOWS_WHY" >&2; exit 1; }
        "$root/scripts/wine-prefix" --for "$arch" "$WINEPREFIX"
        local args=() arg
        for arg in "$@"; do
          if [[ $arg == /* ]]; then args+=("$(winepath -w "$arg")"); else args+=("$arg"); fi
        done
        status=0
        wine "${rest#*:}" "${args[@]}" || status=$?
        wineserver -w
        exit $status
      )
      ;;
    *)
      echo "check_golden: $spec: expected host:PATH, win32:PREFIX:PATH or win64:PREFIX:PATH" >&2
      return 2
      ;;
  esac
}

echo "writing with ${writer%%:*}, reading back with ${reader%%:*}"
fixtures "$writer" scenario "$scratch/state/logger.state" "$scratch/g"
fixtures "$reader" redump "$scratch/state/logger.state" "$scratch/redump.dat"

failures=0
check() {
  local name=$1 file=$2 want got
  want=$(sed -n "s/^\([0-9a-f]\{64\}\)  $name\$/\1/p" "$sums")
  got=$(sha256sum -- "$file" | cut -d' ' -f1)
  if [[ $got == "$want" ]]; then
    echo "ok: $name ($file): $got"
  else
    echo "FAIL: $name ($file): sha-256 $got, golden $want"
    failures=$((failures + 1))
  fi
}
check state "$scratch/state/logger.state"
check dump "$scratch/g/123456.dat"
check dump "$scratch/redump.dat"
((failures == 0))
