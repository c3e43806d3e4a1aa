#!/usr/bin/env bash
# Makes the setup program and tries it as a Windows user would, in a fresh
# Wine prefix on a virtual display: a silent install with exactly the files
# the program needs, its Start menu entry, its Apps & features entry and the
# reading type; then the installed program itself (so nothing else is on its
# PATH): a typed reading reaches the result window and is saved, a saved
# reading opens from the shell as by a double click and saves to the same
# bytes, a second copy is refused; then a silent uninstall that leaves no
# program file or key behind and keeps the user's readings and settings.
#   check-install-windows.sh BUILD_DIR
# With VQ_WINDOWS_SHOTS=DIR, pictures of the main window, both result
# pages, the chart's grid and a comparison, and the register of saved
# readings go to DIR.
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
if [[ -z ${DISPLAY:-} ]]; then
    exec "$source/scripts/with-display" "$0" "$@"
fi
work=$(mktemp -d)
export WINEPREFIX=$work/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset QT_QPA_PLATFORM WINEPATH
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
step() { echo "-- $*"; }

# The window whose whole title is $1, waited for up to $2 seconds.
window() {
    local id
    for _ in $(seq $((${2:-30} * 10))); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1 || true)
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
gone() {
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
keys() {
    xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"
    sleep 0.3
    shift
    xdotool "$@"
}
shot() {
    [[ -n ${VQ_WINDOWS_SHOTS:-} ]] || return 0
    sleep 1
    import -window "$1" "$VQ_WINDOWS_SHOTS/$2.png"
}
# Saves the reading of window $1 through the Save dialog as $2 in the readings folder.
save_as() {
    local dialog
    keys "$1" key ctrl+s
    dialog=$(window "VQ Rudraksh Numerology") || fail "Save showed no dialog"
    keys "$dialog" type --delay 20 "Z:${documents//\//\\}\\$2"
    keys "$dialog" key Return
    gone "VQ Rudraksh Numerology" || fail "the Save dialog stayed"
    sleep 1
}
# Ends the program of window $1 with Exit, and waits until Wine has let it go.
quit() {
    keys "$1" key ctrl+q
    gone "VQ Rudraksha Numerology v1.0" || fail "Exit left a window"
    wineserver --wait
}

step "setup program"
(cd "$build" && cpack -G NSIS -B "$work/package" >"$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack"; }
setup=$work/package/vq-rudraksha-numerology-1.0.0-win64.exe
[[ -f $setup ]] || fail "cpack made no $(basename "$setup")"

step "fresh Wine prefix"
wine wineboot --init >/dev/null 2>&1
wineserver --wait

step "silent install"
wine "$setup" /S
wineserver --wait
folder=$WINEPREFIX/drive_c/Program\ Files/VQ\ Rudraksha\ Numerology
[[ -d $folder ]] || fail "nothing installed in Program Files"
expected="Qt6Core.dll Qt6Gui.dll Qt6PrintSupport.dll Qt6Widgets.dll Uninstall.exe imageformats/qjpeg.dll
libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll platforms/qwindows.dll vq-rudraksha-numerology.exe"
installed=$(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | xargs)
[[ $installed == "$(xargs <<<"$expected")" ]] || fail "installed files: $installed"
for file in "$folder"/*.exe "$folder"/*.dll "$folder"/*/*.dll; do
    x86_64-w64-mingw32-objdump -h "$file" | grep -q ' \.debug_' && fail "not stripped: ${file#"$folder"/}"
done
program='C:\Program Files\VQ Rudraksha Numerology\vq-rudraksha-numerology.exe'

# Prints the data of value $2 of key $1 in the registry, or fails.
value() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p" | grep . \
        || fail "no value $2 in $1"
}
default() {
    wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_[A-Z_]* *//p' | grep . \
        || fail "no default value in $1"
}
uninstallKey='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VQ Rudraksha Numerology'
[[ $(value "$uninstallKey" DisplayName) == "VQ Rudraksha Numerology" ]] || fail "Apps & features: DisplayName"
[[ $(value "$uninstallKey" DisplayVersion) == 1.0.0 ]] || fail "Apps & features: DisplayVersion"
[[ $(value "$uninstallKey" Publisher) == "VQ Software" ]] || fail "Apps & features: Publisher"
[[ $(value "$uninstallKey" DisplayIcon) == *'\vq-rudraksha-numerology.exe' ]] || fail "Apps & features: DisplayIcon"
[[ $(default 'HKCR\.rkn') == VQSoftware.RudrakshaReading ]] || fail ".rkn is not a reading"
[[ $(default 'HKCR\VQSoftware.RudrakshaReading\DefaultIcon') == *'vq-rudraksha-numerology.exe,1' ]] \
    || fail "readings have no document icon"
[[ $(default 'HKCR\VQSoftware.RudrakshaReading\shell\open\command') == "\"$program\" \"%1\"" ]] \
    || fail "readings do not open in the program"
menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/VQ\ Rudraksha\ Numerology
[[ -f "$menu/VQ Rudraksha Numerology.lnk" ]] || fail "no Start menu entry"

# The program's resources: its icon, the document icon, the manifest and the version.
resources=$(x86_64-w64-mingw32-objdump -p "$folder/vq-rudraksha-numerology.exe")
x86_64-w64-mingw32-windres -i "$folder/vq-rudraksha-numerology.exe" -O rc -o "$work/app.rc" 2>/dev/null \
    || fail "the program has no resources"
grep -q 'Microsoft.Windows.Common-Controls' "$work/app.rc" || fail "manifest: no Common Controls 6"
grep -q 'PerMonitorV2' "$work/app.rc" || fail "manifest: not aware of each monitor's DPI"
grep -q '8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a' "$work/app.rc" || fail "manifest: Windows 10 and 11 not named"
grep -q 'VALUE "ProductVersion", "1.0.0' "$work/app.rc" || fail "no version information"
[[ $(grep -c 'RT_GROUP_ICON' "$work/app.rc") -eq 2 ]] || fail "the program lacks its two icons"
[[ -n $resources ]]

step "a typed reading, saved"
documents=$work/readings
mkdir -p "$documents"
wine "$program" >"$work/program.log" 2>&1 &
main=$(window "VQ Rudraksha Numerology v1.0" 60) || fail "the main window did not appear"
shot "$main" windows-main-window
keys "$main" type --delay 50 "John Smith"
keys "$main" key Return
sleep 2
result=$(window "VQ Rudraksha Numerology v1.0") || fail "no result window"
shot "$result" windows-result-life-path
if [[ -n ${VQ_WINDOWS_SHOTS:-} ]]; then
    keys "$result" key ctrl+Tab
    shot "$result" windows-result-destiny
    # The chart, over the result window under the same title: its grid, and
    # the reading compared with another person's.
    keys "$result" key ctrl+k
    sleep 2
    chart=$(xdotool search --onlyvisible --name '^VQ Rudraksha Numerology v1.0$' | grep -vx "$result" | tail -1) \
        || fail "Ctrl+K showed no chart"
    keys "$chart" key alt+l
    shot "$chart" windows-chart-lo-shu
    keys "$chart" key alt+m
    keys "$chart" key alt+n
    keys "$chart" type --delay 50 "Priya Sharma"
    keys "$chart" key Return
    shot "$chart" windows-chart-compatibility
    keys "$chart" key Escape
    gone_chart=1
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name '^VQ Rudraksha Numerology v1.0$' | grep -qx "$chart" || { gone_chart=0; break; }
        sleep 0.1
    done
    [[ $gone_chart -eq 0 ]] || fail "Esc left the chart open"
fi

step "a second copy is refused"
wine "$program" >"$work/second.log" 2>&1 &
second=$!
refusal=$(window "VQ Rudraksha Numerology" 30) || fail "a second copy showed no refusal"
keys "$refusal" key Return
wait "$second" || true
[[ $(xdotool search --onlyvisible --name '^VQ Rudraksha Numerology v1.0$' | wc -l) -eq 1 ]] \
    || fail "a second copy opened a window"

save_as "$result" typed.rkn
# What the Linux program writes: five lines ended by CR LF, each character's
# Windows-1252 code plus 85.
python3 -c '
import sys
lines = ["John Smith", "1", "1", "January", "1900"]
sys.stdout.buffer.write(b"".join(bytes(ord(c) + 85 for c in line) + b"\r\n" for line in lines))' >"$work/typed.rkn"
cmp "$work/typed.rkn" "$documents/typed.rkn" || fail "the saved reading differs from the Linux program's"
quit "$result"

step "a reading from Linux opens from the shell and saves to the same bytes"
cp "$source/fuzz/corpus/readingfile/sample.rkn" "$documents/from linux.rkn"
wine cmd /c start "" "Z:${documents//\//\\}\\from linux.rkn"
result=$(window "VQ Rudraksha Numerology v1.0" 60) || fail "the reading did not open"
save_as "$result" again.rkn
cmp "$documents/from linux.rkn" "$documents/again.rkn" || fail "opened and saved, the reading changed"
if [[ -n ${VQ_WINDOWS_SHOTS:-} ]]; then
    # The register of the readings just saved, beside a file that is none.
    printf 'shopping list\r\n' >"$documents/notes.rkn"
    keys "$result" key ctrl+w
    sleep 2
    result=$(window "VQ Rudraksha Numerology v1.0") || fail "Back showed no main window"
    keys "$result" key ctrl+r
    register=$(window "Saved Readings .* VQ Rudraksha Numerology v1.0") || fail "Ctrl+R showed no register"
    shot "$register" windows-register
    keys "$register" key Escape
    gone "Saved Readings .* VQ Rudraksha Numerology v1.0" || fail "Esc left the register open"
fi
quit "$result"
# The settings are in the registry, the reminder's date and the recent readings among them.
settingsKey='HKCU\Software\VQ Software\vq-rudraksha-numerology'
wine reg query "$settingsKey\Settings" >/dev/null 2>&1 || fail "no reminder date in the registry"
wine reg query "$settingsKey\Recent" >/dev/null 2>&1 || fail "no recent readings in the registry"

step "silent uninstall"
wine "$(sed 's/vq-rudraksha-numerology.exe$/Uninstall.exe/' <<<"$program")" /S
wineserver --wait
sleep 2
wineserver --wait
[[ ! -e $folder ]] || fail "left in Program Files: $(cd "$folder" && find . | tr '\n' ' ')"
[[ ! -e $menu ]] || fail "the Start menu entry is left"
! wine reg query "$uninstallKey" >/dev/null 2>&1 || fail "the Apps & features entry is left"
! wine reg query 'HKCR\VQSoftware.RudrakshaReading' >/dev/null 2>&1 || fail "the reading type is left"
! wine reg query 'HKCR\.rkn' >/dev/null 2>&1 || fail ".rkn is left"
! wine reg query 'HKLM\Software\VQ Software\VQ Rudraksha Numerology' >/dev/null 2>&1 || fail "the install key is left"
[[ -f $documents/typed.rkn && -f $documents/again.rkn ]] || fail "the uninstaller took the user's readings"
wine reg query "$settingsKey\Settings" >/dev/null 2>&1 || fail "the uninstaller took the user's settings"
echo "install check: passed"
