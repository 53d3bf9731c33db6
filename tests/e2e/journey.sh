#!/usr/bin/env bash
# The whole journey with the real programs, driven from outside like a user: prepare a drive with
# the creator, start it through Kindel, add entries in the menu, move the drive to another letter
# and run the entries there, prepare the drive again. Runs inside tools/with-wine.sh.
#
#   journey.sh DRIVER.exe CREATOR_FOLDER RECORDER.exe OUTPUT_FOLDER
#
# With CORVANE_DEMO=1 it leaves the menu open at the end (until the user closes it).
set -euo pipefail
driver_exe=$1; release_dir=$2; recorder_exe=$3; out=$4
: "${WINEPREFIX:?run inside tools/with-wine.sh}" "${CORVANE_DRIVES:?}"
wine=${CORVANE_WINE_LOADER:-wine}
stick="$CORVANE_DRIVES/drive-e"
creator="$WINEPREFIX/drive_c/Corvane"
record="$WINEPREFIX/drive_c/launch-record.txt"
mkdir -p "$out"

step() { printf '\n-- %s\n' "$*"; }
fail() { printf 'FAILED: %s\n' "$*" >&2; exit 1; }
drive() { timeout 120 "$wine" "$driver_exe" "$@" </dev/null | tr -d '\r'; }
# A started program must not hold on to our output: it would keep the pipe above open.
launch() { timeout 60 "$wine" "$driver_exe" start "$@" </dev/null >/dev/null 2>&1; }
expect_eq() { [ "$1" = "$2" ] || fail "$3: expected [$2], got [$1]"; }
shot() {  # window class, picture name: kept as PNG, and never blank
  drive shot "$1" "$2"
  local bmp; bmp="$(dirname "$driver_exe")/screenshots/$2.bmp"
  convert "$bmp" "$out/$2.png"
  local colours; colours=$(convert "$out/$2.png" -format %k info:)
  [ "$colours" -gt 8 ] || fail "screenshot $2 is blank ($colours colours)"
}
map_drive() { ln -sfn "$2" "$WINEPREFIX/dosdevices/$1:"; }
unmap_drive() { rm -f "$WINEPREFIX/dosdevices/$1:"; }
# The session's drives are shared with the other tests: whatever happens, put E: and F: back.
original_e=$(readlink "$WINEPREFIX/dosdevices/e:"); original_f=$(readlink "$WINEPREFIX/dosdevices/f:")
restore_drives() { map_drive e "$original_e"; map_drive f "$original_f"; }
trap restore_drives EXIT
crlf() { printf '%s\r\n' "$@"; }

prepare() {  # root action volume
  launch 'C:\Corvane\Stickwright.exe'
  drive wait CorvaneCreator >/dev/null
  drive type CorvaneCreator txtAction "$2"
  drive type CorvaneCreator txtMyComp "$3"
  drive type CorvaneCreator txtPath "$1"
  shot CorvaneCreator "1-creator-$3"
  drive click CorvaneCreator cmdCreate
  local said; said=$(drive answer Corvane 1 60000)
  [[ "$said" == "Your Corvane is ready to use."* ]] || fail "creator said: $said"
  # A support file missing from the creator folder would be named, once: none is.
  drive answer Corvane 1 3000 >/dev/null || true
  drive close CorvaneCreator
  drive gone CorvaneCreator
}

step "a fresh drive E: is prepared with the creator"
rm -rf "${stick:?}"/* "$creator" && mkdir -p "$creator"
cp -r "$release_dir"/. "$creator"/
# An unsigned stand-in for the common-controls component: the creator copies it like any other, and
# Kindel must refuse to install it.
echo "stand-in common-controls component" >"$creator/Support/mscomctl.ocx"
prepare 'E:\' "Open my menu" "CORVANE"
for item in Menu.exe Kindel.exe Support/Tendwell.exe Support/Utility.exe Support/usbview.exe Support/mscomctl.ocx \
  Support/Corvane.chm "Support/DO NOT DELETE.txt"; do
  cmp -s "$creator/$item" "$stick/$item" || fail "$item on the drive differs from the creator folder's"
done
for folder in Support "My Documents" "My Music" "My Pictures" "My Programs" "My Video"; do
  [ -d "$stick/$folder" ] || fail "folder $folder missing"
done
expected_autorun=$(crlf "[autorun]" "open=Kindel.exe" "ShellExecute=Kindel.exe" "Icon=Menu.exe" "Label=CORVANE" \
  "action=Open my menu" 'shell\menu=Open my menu' 'shell\menu\command=Kindel.exe' "Shell=Menu" | od -c)
expect_eq "$(od -c <"$stick/Autorun.inf")" "$expected_autorun" "Autorun.inf"

step "the creator's links open the support tools of its own folder"
launch 'C:\Corvane\Stickwright.exe'
drive wait CorvaneCreator >/dev/null
for link in "Label4 CorvaneTendwell" "Label5 CorvaneFormatUtility" "Label6 CorvaneUsbView"; do
  read -r label class <<<"$link"
  drive key CorvaneCreator "$label" 13  # Enter on the link, as a click would
  [ -n "$(drive wait "$class" 30000)" ] || fail "$label did not open $class"
  drive close "$class"
  drive gone "$class"
done
drive close CorvaneCreator
drive gone CorvaneCreator

step "E:\\Kindel.exe refuses the unsigned component and opens the menu"
for folder in system32 syswow64; do rm -f "$WINEPREFIX/drive_c/windows/$folder/mscomctl.ocx"; done
export CORVANE_LAUNCH_RECORD='C:\launch-record.txt'
launch 'E:\Kindel.exe'
caption=$(drive wait frmMain 30000)
free_mb=$(( $(df -B1 --output=avail "$stick" | tail -1) / 1048576 ))
caption_form='^Corvane  ---> ([0-9]+) MB Remaining on E:\\$'
[[ "$caption" =~ $caption_form ]] || fail "menu caption: $caption"
shown_mb=${BASH_REMATCH[1]}
(( shown_mb - free_mb <= 16 && free_mb - shown_mb <= 16 )) || fail "caption shows $shown_mb MB, the drive has $free_mb"
installed=$(ls "$WINEPREFIX"/drive_c/windows/{system32,syswow64}/mscomctl.ocx 2>/dev/null | head -1 || true)
[ -z "$installed" ] || fail "Kindel installed an unsigned component: $installed"
expect_eq "$(drive status frmMain Status 0)" "Corvane v1.11" "first status panel"
shot frmMain 2-menu-started

step "entries are added through the editor"
cp "$recorder_exe" "$stick/My Programs/recorder.exe"
printf 'notes\r\n' >"$stick/My Documents/notes.txt"
add_entry() {  # path name switch
  drive command frmMain mnuAdd
  drive wait frmAdd >/dev/null
  drive type frmAdd txtPath "$1"
  drive type frmAdd txtName "$2"
  drive type frmAdd txtCommandLine "$3"
  [ "$2" = "Recorder" ] && shot frmAdd 3-editor
  drive click frmAdd cmdSave
  drive gone frmAdd
}
add_entry 'E:\My Programs\recorder.exe' "Recorder" '/drive=%drive% /dir=%dir%'
add_entry 'E:\My Documents\notes.txt' "Notes" ''
add_entry 'C:\windows\notepad.exe' "Notepad" ''
add_entry 'e:\My Programs\recorder.exe' "Recorder typed with e:" '/typed'
expected_data=$(crlf "Notepad" 'C:\windows\notepad.exe' "" "Notes" 'My Documents\notes.txt' "" \
  "Recorder" 'My Programs\recorder.exe' '/drive=%drive% /dir=%dir%' \
  "Recorder typed with e:" 'e:\My Programs\recorder.exe' '/typed')
expect_eq "$(cat "$stick/Data.dat")" "$expected_data" "Data.dat after adding"
shot frmMain 4-menu-with-entries

step "the menu's Autorun Repair Wizard opens the drive's own wizard, which changes nothing unasked"
drive command frmMain mnuRepair
drive wait CorvaneTendwell 30000 >/dev/null
shot CorvaneTendwell 4b-repair-wizard
drive close CorvaneTendwell
drive gone CorvaneTendwell
expect_eq "$(cat "$stick/Data.dat")" "$expected_data" "Data.dat after the wizard"
drive close frmMain
drive gone frmMain
grep -q $'^WINDOW HEIGHT=[0-9]\+\r$' "$stick/Settings.ini" && grep -q $'^WINDOW WIDTH=[0-9]\+\r$' "$stick/Settings.ini" \
  || fail "Settings.ini holds no window size: $(cat "$stick/Settings.ini")"

step "the drive moves to F: and the entries run there"
unmap_drive e
map_drive f "$stick"
launch 'F:\Menu.exe'
caption=$(drive wait frmMain 30000)
[[ "$caption" == *" MB Remaining on F:\\" ]] || fail "menu caption on F: $caption"
rows=$(drive rows frmMain lstApp)
row_of() { grep -n -F "$1|" <<<"$rows" | head -1 | cut -d: -f1; }
rm -f "$record"
drive select frmMain lstApp $(( $(row_of "Recorder") - 1 ))
drive key frmMain lstApp 13
for _ in $(seq 100); do [ -s "$record" ] && break; sleep 0.1; done
[ -s "$record" ] || fail "the recorder entry did not start"
expect_eq "$(sed -n 2p "$record" | tr -d '\r')" '/drive=F: /dir=F:\My Programs' "expanded switch"
expect_eq "$(sed -n 1p "$record" | tr -d '\r')" 'F:\My Programs' "working folder"
expect_eq "$(drive status frmMain Status 0)" 'Running F:\My Programs\recorder.exe' "status after running"
rm -f "$record"
drive dblclick frmMain lstApp $(( $(row_of "Recorder typed with e:") - 1 ))
for _ in $(seq 100); do [ -s "$record" ] && break; sleep 0.1; done
[ -s "$record" ] || fail "the entry recorded with e: did not start through the fallback"
expect_eq "$(drive status frmMain Status 0)" \
  "Drive changed to F:\\ because 'e:\\My Programs\\recorder.exe' doesn't exist on selected drive." "fallback status"
shot frmMain 5-menu-on-f

step "the menu's Utilities open the drive's format utility and USB viewer"
for tool in "mnuFormat CorvaneFormatUtility Corvane Format Utility" "mnuUsbview CorvaneUsbView Corvane USB View"; do
  read -r item class title <<<"$tool"
  drive command frmMain "$item"
  expect_eq "$(drive wait "$class" 30000)" "$title" "window opened by $item"
  shot "$class" "6-$class"
  drive close "$class"
  drive gone "$class"
done
settings_before=$(cat "$stick/Settings.ini")
data_before=$(cat "$stick/Data.dat")
drive close frmMain
drive gone frmMain

step "the drive is prepared again with other labels"
prepare 'F:\' "Start the menu" "WORKSTICK"
expect_eq "$(cat "$stick/Data.dat")" "$data_before" "Data.dat after preparing again"
expect_eq "$(cat "$stick/Settings.ini")" "$settings_before" "Settings.ini after preparing again"
grep -q $'^Label=WORKSTICK\r$' "$stick/Autorun.inf" && grep -q $'^action=Start the menu\r$' "$stick/Autorun.inf" \
  || fail "Autorun.inf does not hold the new labels"

if [ "${CORVANE_DEMO:-0}" = 1 ]; then
  step "the menu stays open for you: close it to end the demo"
  launch 'F:\Menu.exe'
  drive wait frmMain 30000 >/dev/null
  [ "${CORVANE_DEMO_WAIT:-0}" = 1 ] && drive gone frmMain 86400000 || true
fi
echo "journey complete"
