#!/usr/bin/env bash
# Fails when a Windows program imports a DLL that Windows might load from anywhere but its system
# folder. The programs run from a stick on PCs with nothing installed, so the C++ runtime must be
# linked in; and the loader looks for an imported DLL beside the program before the system folder,
# before the program's first line runs, unless the DLL is one of the known DLLs (the
# KnownDLLs of the session manager, always mapped from the system folder, the same set on
# Windows 7 to 11 for the names below). The only other import allowed is comctl32, which the
# programs' manifest binds to the side-by-side common controls. A DLL outside this list (uxtheme,
# version, crypt32, wintrust, ...) must be loaded at run time by its full path in the system folder.
#   tools/check-imports.sh [--on-use 'dll|dll'] OBJDUMP PROGRAM.exe...
#
# --on-use: DLLs that these programs load on first use (cmake/CorvaneDelayLoad.cmake) and so must
# not import: an import of one of them loads it, and all it pulls in, before the first line again.
set -euo pipefail
on_use=""
if [ "${1:-}" = "--on-use" ]; then on_use=$2; shift 2; fi
objdump=$1; shift
allowed='^(kernel32|user32|gdi32|shell32|comdlg32|advapi32|ole32|oleaut32|shlwapi|msvcrt|setupapi|comctl32)\.dll$'
status=0
for program in "$@"; do
  dlls=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$dlls" ] || { echo "$program: no imports found (not a PE file?)"; status=1; continue; }
  for dll in $dlls; do
    if ! [[ "$dll" =~ $allowed ]]; then
      echo "$program imports $dll, which is not a known DLL of Windows"
      status=1
    fi
    if [ -n "$on_use" ] && [[ "$dll" =~ ^($on_use)\.dll$ ]]; then
      echo "$program imports $dll, which it should load on first use (see cmake/CorvaneDelayLoad.cmake)"
      status=1
    fi
  done
  echo "$program: $(echo $dlls | tr '\n' ' ')"
done
exit $status
