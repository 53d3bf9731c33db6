#!/usr/bin/env bash
# Packs the release zip with CPack and checks that it holds the creator folder: the three programs
# and the Support folder with its support tools, each program under 1 MiB, with Kindel.exe a 32-bit
# program in the i686 build that ships.
#   check-zip.sh BUILD_DIR OBJDUMP
set -euo pipefail
build=$1; objdump=$2
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
zip=$(ls "$work"/*.zip)
unzip -q "$zip" -d "$work/unpacked"
folder=$(ls -d "$work"/unpacked/*/)
status=0
for item in Stickwright.exe Menu.exe Kindel.exe Support/Tendwell.exe Support/Utility.exe Support/usbview.exe \
  Support/Corvane.chm "Support/DO NOT DELETE.txt"; do
  [ -f "$folder/$item" ] || { echo "$(basename "$zip") lacks $item"; status=1; }
done
extra=$(cd "$folder" && find . -type f |
  grep -v -x -E './(Stickwright|Menu|Kindel)\.exe|./Support/(Tendwell\.exe|Utility\.exe|usbview\.exe|Corvane\.chm|DO NOT DELETE\.txt)' ||
  true)
[ -z "$extra" ] || { echo "$(basename "$zip") holds more than the creator folder: $extra"; status=1; }
for program in Stickwright Menu Kindel Support/Tendwell Support/Utility Support/usbview; do
  size=$(stat -c %s "$folder/$program.exe" 2>/dev/null || echo 0)
  [ "$size" -lt 1048576 ] || { echo "$program.exe in the zip is $size bytes, not under 1 MiB"; status=1; }
done
if [[ "$build" == *x86* ]] && ! "$objdump" -f "$folder/Kindel.exe" | grep -q 'pei-i386'; then
  echo "Kindel.exe in the shipped zip is not a 32-bit program"; status=1
fi
[ $status -eq 0 ] && echo "$(basename "$zip") holds the creator folder"
exit $status
