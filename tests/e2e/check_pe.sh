#!/bin/bash
# Checks that an executable is a 32-bit x86 GUI program that imports only
# DLLs shipped with Windows.
#
#   check_pe.sh PATH.exe
set -uo pipefail

exe=$1
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll advapi32.dll shell32.dll "
system_dlls+="shlwapi.dll ole32.dll oleaut32.dll msvcrt.dll version.dll winmm.dll uxtheme.dll imm32.dll "

dump=$("$objdump" -p "$exe") || { echo "FAIL: objdump could not read $exe"; exit 1; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

grep -q 'file format pei-i386' <<<"$dump" || fail "not a PE32 i386 image"
grep -Eq '^Magic[[:space:]]+010b' <<<"$dump" || fail "optional header is not PE32 (magic 010b)"
grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$dump" || fail "subsystem is not Windows GUI (2)"

imports=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | tr 'A-Z' 'a-z' | sort -u)
[[ -n $imports ]] || fail "no import table found"
for dll in $imports; do
  if [[ $system_dlls == *" $dll "* ]]; then
    echo "ok: imports $dll"
  else
    fail "imports $dll, which does not ship with Windows"
  fi
done

if ((failures > 0)); then
  echo "$failures problem(s) in $exe"
  exit 1
fi
echo "$exe: PE32 i386 GUI program importing only system DLLs"
