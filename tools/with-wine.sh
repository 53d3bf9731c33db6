#!/usr/bin/env bash
# Runs a command inside a throwaway Wine session: a fresh prefix, a headless X display (Xvfb), a
# persistent pre-warmed wineserver and test drives mapped to temporary folders. Everything it starts
# is ended again when the command returns, and only that.
#
#   tools/with-wine.sh [--display] [--japanese] -- COMMAND [ARGS...]
#
#   --display   use the caller's $DISPLAY instead of starting Xvfb (to watch the programs).
#   --japanese  a prefix whose ANSI code page is 932 (Wine takes it from the locale it is set up in),
#               for the tests of double-byte paths. Nests inside another session: it makes its own.
#
# Inside the command:
#   WINEPREFIX, WINEDEBUG, DISPLAY    set for Wine
#   CORVANE_DRIVES                    folder that holds the drive folders below
#   E:  removable drive (folder drive-e)     F:  second removable drive (folder drive-f)
#   R:  read-only drive, when this machine allows bind mounts (folder drive-r, contents from drive-r-src)
#   T:  full drive: a 1 MiB tmpfs, when this machine allows mounts (folder drive-t)
#   tools/wine-drive.sh maps and unmaps further letters.
set -euo pipefail

use_own_display=0
japanese=0
while [ $# -gt 0 ]; do
  case "$1" in
    --display) use_own_display=1; shift ;;
    --japanese) japanese=1; shift ;;
    --) shift; break ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--display] [--japanese] -- COMMAND [ARGS...]" >&2; exit 2; }

here=$(cd "$(dirname "$0")" && pwd)
run_dir=$(mktemp -d "${TMPDIR:-/tmp}/corvane-wine.XXXXXX")
xvfb_pid=""
mounts=()

if [ "$japanese" -eq 1 ]; then
  # Wine takes its code pages from the locale, and needs one the C library knows to name files in
  # UTF-8 on the Unix side. Without an installed ja_JP.UTF-8, build one for this session from the
  # locale sources (a second or so).
  if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
    mkdir -p "$run_dir/locale"
    localedef -i ja_JP -f UTF-8 "$run_dir/locale/ja_JP.UTF-8" >/dev/null 2>&1 || true
    export LOCPATH="$run_dir/locale"
  fi
  { export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8; } 2>/dev/null  # this shell itself need not switch
fi

export WINEPREFIX="$run_dir/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export CORVANE_DRIVES="$run_dir/drives"
wine_loader=/usr/lib/wine/wine64
[ -x "$wine_loader" ] || wine_loader=wine

cleanup() {
  local status=$?
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" >/dev/null 2>&1 || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  for m in "${mounts[@]+"${mounts[@]}"}"; do umount -l "$m" >/dev/null 2>&1 || true; done
  rm -rf "$run_dir"
  exit "$status"
}
trap cleanup EXIT INT TERM

if [ "$use_own_display" -eq 0 ] || [ -z "${DISPLAY:-}" ]; then
  # -displayfd picks a free display number and tells it once the server accepts connections.
  exec {display_fd}<> <(:)
  Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$run_dir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  read -r -t 20 display_number <&"$display_fd" || { echo "Xvfb did not start" >&2; cat "$run_dir/xvfb.log" >&2; exit 1; }
  exec {display_fd}>&-
  export DISPLAY=":$display_number"
fi

mkdir -p "$CORVANE_DRIVES"/{drive-e,drive-f,drive-r,drive-r-src,drive-t}
wineboot -i >/dev/null 2>&1

# Windows-like window frames without a window manager, and windows that close at once.
"$wine_loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# A fresh prefix has no association for .txt: the shell tests open text files.
"$wine_loader" reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
"$wine_loader" reg add 'HKCR\txtfile\shell\open\command' /ve /d 'notepad.exe "%1"' /f >/dev/null 2>&1
# Real glyphs for captions and buttons.
cp /usr/share/wine/fonts/*.tt[fc] "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

map_drive() {  # letter folder type
  ln -sfn "$2" "$WINEPREFIX/dosdevices/$1:"
  "$wine_loader" reg add 'HKLM\Software\Wine\Drives' /v "$1:" /d "$3" /f >/dev/null 2>&1
}
map_drive e "$CORVANE_DRIVES/drive-e" floppy
map_drive f "$CORVANE_DRIVES/drive-f" floppy
# A list on the read-only drive, for the tests that try to save over it.
printf 'Old entry\r\nold.exe\r\n\r\n' >"$CORVANE_DRIVES/drive-r-src/Data.dat"
if mount --bind "$CORVANE_DRIVES/drive-r-src" "$CORVANE_DRIVES/drive-r" 2>/dev/null; then
  mounts+=("$CORVANE_DRIVES/drive-r")
  if mount -o remount,ro,bind "$CORVANE_DRIVES/drive-r" 2>/dev/null; then
    map_drive r "$CORVANE_DRIVES/drive-r" floppy
  fi
fi
if mount -t tmpfs -o size=1m tmpfs "$CORVANE_DRIVES/drive-t" 2>/dev/null; then
  mounts+=("$CORVANE_DRIVES/drive-t")
  map_drive t "$CORVANE_DRIVES/drive-t" floppy
fi

# Drive types are read when the wineserver starts: restart it, keep it running for the whole
# session and warm it up, so that each test process costs milliseconds, not seconds.
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
wineserver -p
"$wine_loader" wineboot >/dev/null 2>&1
# A hidden window for the whole session keeps Wine's desktop process from restarting between tests.
if x86_64-w64-mingw32-g++-posix -static -O1 -mwindows -o "$run_dir/keepalive.exe" "$here/wine-keepalive.cpp" 2>/dev/null; then
  "$wine_loader" "$run_dir/keepalive.exe" </dev/null >/dev/null 2>&1 &
fi

export CORVANE_WINE_LOADER="$wine_loader"
"$@"
