#!/bin/bash
# Checks the Windows binaries the project ships: each is a 32-bit x86 image
# (an executable for the GUI subsystem, or a DLL) that imports only DLLs
# shipped with Windows, takes ASLR and DEP (DYNAMIC_BASE, NX_COMPAT), and
# carries the stack guard, so that a stack overrun ends the process instead
# of running what overwrote the return address.
#
#   check_pe.sh PATH.exe|PATH.dll...
set -uo pipefail

objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll advapi32.dll shell32.dll "
system_dlls+="shlwapi.dll ole32.dll oleaut32.dll msvcrt.dll version.dll winmm.dll uxtheme.dll imm32.dll "

failures=0
fail() { echo "FAIL: $image: $*"; failures=$((failures + 1)); }

for image in "$@"; do
  before=$failures
  dump=$("$objdump" -p "$image") || { fail "objdump could not read it"; continue; }
  grep -q 'file format pei-i386' <<<"$dump" || fail "not a PE32 i386 image"
  grep -Eq '^Magic[[:space:]]+010b' <<<"$dump" || fail "optional header is not PE32 (magic 010b)"
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
    echo "ok: $image: PE32 i386 $kind, ASLR, DEP, stack guard, imports only system DLLs:" $imports
  fi
done

if ((failures > 0)); then
  echo "$failures problem(s)"
  exit 1
fi
