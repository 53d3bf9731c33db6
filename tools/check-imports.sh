#!/usr/bin/env bash
# Fails when a Windows program imports a DLL that is not part of Windows itself: the programs run
# from a stick on PCs with nothing installed, so the C++ runtime must be linked in.
#   tools/check-imports.sh OBJDUMP PROGRAM.exe...
set -euo pipefail
objdump=$1; shift
allowed='^(kernel32|user32|gdi32|shell32|comctl32|comdlg32|advapi32|ole32|oleaut32|shlwapi|uxtheme|msvcrt|version|api-ms-win-[a-z0-9-]+)\.dll$'
status=0
for program in "$@"; do
  dlls=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$dlls" ] || { echo "$program: no imports found (not a PE file?)"; status=1; continue; }
  for dll in $dlls; do
    if ! [[ "$dll" =~ $allowed ]]; then
      echo "$program imports $dll, which Windows does not ship"
      status=1
    fi
  done
  echo "$program: $(echo $dlls | tr '\n' ' ')"
done
exit $status
