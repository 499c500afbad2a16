#!/bin/bash
# Checks the Windows binaries the project ships: each is an image of the
# build's machine, 32-bit x86 (PE32) or x64 (PE32+), an executable for the
# GUI subsystem or a DLL, that imports only DLLs shipped with Windows, takes
# ASLR and DEP (DYNAMIC_BASE, NX_COMPAT), and carries the stack guard, so
# that a stack overrun ends the process instead of running what overwrote
# the return address.
#
#   check_pe.sh i386|amd64 PATH.exe|PATH.dll...
set -uo pipefail

machine=${1:-}
shift || true
case $machine in
  i386) format=pei-i386 magic=010b header=PE32 default_objdump=i686-w64-mingw32-objdump ;;
  amd64) format=pei-x86-64 magic=020b header=PE32+ default_objdump=x86_64-w64-mingw32-objdump ;;
  *)
    echo "usage: check_pe.sh i386|amd64 PATH.exe|PATH.dll..." >&2
    exit 2
    ;;
esac
objdump=${OBJDUMP:-$default_objdump}
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll advapi32.dll shell32.dll "
system_dlls+="shlwapi.dll ole32.dll oleaut32.dll msvcrt.dll version.dll winmm.dll uxtheme.dll imm32.dll "

failures=0
fail() { echo "FAIL: $image: $*"; failures=$((failures + 1)); }

for image in "$@"; do
  before=$failures
  dump=$("$objdump" -p "$image") || { fail "objdump could not read it"; continue; }
  grep -q "file format $format\$" <<<"$dump" || fail "not a $header $machine image"
  grep -Eq "^Magic[[:space:]]+$magic" <<<"$dump" || fail "optional header is not $header (magic $magic)"
  if grep -Eq '^[[:space:]]+DLL$' <<<"$dump"; then
    kind=DLL
  else
    kind="GUI program"
    grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$dump" || fail "subsystem is not Windows GUI (2)"
  fi

  for flag in DYNAMIC_BASE NX_COMPAT; do
    grep -Eq "^[[:space:]]+$flag\$" <<<"$dump" || fail "DllCharacteristics lack $flag"
  done
  # GCC's guard (-fstack-protector-strong) links __stack_chk_fail, and with
  # it its message, only when some function checks its canary; MSVC's /GS
  # keeps its cookie in the load configuration directory.
  if ! grep -aq 'stack smashing detected' "$image"; then
    if grep -Eq '^MajorLinkerVersion[[:space:]]+1[4-9]' <<<"$dump" &&
      grep -Eq '^Entry a [0-9a-f]*[1-9a-f][0-9a-f]* ' <<<"$dump"; then
      echo "ok: $image: MSVC image with a load configuration (/GS cookie)"
    else
      fail "no stack guard (build with -fstack-protector-strong, or /GS)"
    fi
  fi

  imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z' | sort -u)
  [[ -n $imports ]] || fail "no import table found"
  for dll in $imports; do
    [[ $system_dlls == *" $dll "* ]] || fail "imports $dll, which does not ship with Windows"
  done
  if ((failures == before)); then
    echo "ok: $image: $header $machine $kind, ASLR, DEP, stack guard, imports only system DLLs:" $imports
  fi
done

if ((failures > 0)); then
  echo "$failures problem(s)"
  exit 1
fi
