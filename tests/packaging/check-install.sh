#!/usr/bin/env bash
# Installs the build into a temporary prefix and builds the Debian package,
# then checks what a desktop would find: the program, its menu entry, its
# icons and its AppStream metadata, all valid, the media type of saved
# readings with its icon and the program to open them, the package's
# dependencies and contents, lintian with no error or warning, and, where
# weston is installed, the window's Wayland app_id.
#   check-install.sh BUILD_DIR
set -euo pipefail
build=$1
source=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/usr" > "$work/install.log"

app_id=com.example.vq_software.rudraksha_numerology
desktop=$work/usr/share/applications/$app_id.desktop
metainfo=$work/usr/share/metainfo/$app_id.metainfo.xml
for file in "$work/usr/bin/vq-rudraksha-numerology" "$desktop" "$metainfo" \
    "$work/usr/share/icons/hicolor/scalable/apps/vq-rudraksha-numerology.svg"; do
    [[ -f $file ]] || fail "not installed: ${file#"$work"}"
done
[[ -x $work/usr/bin/vq-rudraksha-numerology ]] || fail "the program is not executable"
for size in 16 24 32 48 64 128 256; do
    icon=$work/usr/share/icons/hicolor/${size}x${size}/apps/vq-rudraksha-numerology.png
    [[ -f $icon ]] || fail "missing icon of $size px"
    [[ $(file -b "$icon") == *"$size x $size"* ]] || fail "icon of $size px has another size: $(file -b "$icon")"
    icon=$work/usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-vq-rudraksha-reading.png
    [[ $(file -b "$icon" 2>&1) == *"$size x $size"* ]] || fail "document icon of $size px missing or of another size"
done
[[ -f $work/usr/share/icons/hicolor/scalable/mimetypes/application-x-vq-rudraksha-reading.svg ]] \
    || fail "missing scalable document icon"

# The menu entry starts the installed program by name, with the file to open,
# and shows the installed icon.
grep -qx 'Exec=vq-rudraksha-numerology %f' "$desktop" || fail "Exec does not name the program and a file"
grep -qx 'Icon=vq-rudraksha-numerology' "$desktop" || fail "Icon does not name the installed icon"
desktop-file-validate "$desktop" || fail "desktop-file-validate reported problems"
appstreamcli validate --no-net --pedantic "$metainfo" > "$work/appstream.log" \
    || { cat "$work/appstream.log"; fail "appstreamcli reported problems"; }
grep -q "pedantic" "$work/appstream.log" && { cat "$work/appstream.log"; fail "appstreamcli has remarks"; }

# Saved readings: the type file is valid and, once the databases are built as
# dpkg's triggers build them, a lookup over the install tree alone gives
# sample.rkn in any letter case the type, its icon and the program to open it.
mime=$work/usr/share/mime
xmllint --noout "$mime/packages/$app_id.xml" || fail "the media type file is not well-formed XML"
export XDG_DATA_DIRS=$work/usr/share XDG_DATA_HOME=$work/home XDG_CONFIG_HOME=$work/home XDG_CONFIG_DIRS=$work/home
export GIO_USE_VFS=local LC_ALL=C PATH=$work/usr/bin:$PATH
if ! update-mime-database "$mime" 2> "$work/mime.log" || [[ -s $work/mime.log ]]; then
    cat "$work/mime.log"
    fail "update-mime-database reported problems"
fi
grep -qx 'application/x-vq-rudraksha-reading:application-x-vq-rudraksha-reading' "$mime/icons" \
    || fail "the media type names no icon"
update-desktop-database "$work/usr/share/applications"
for name in sample.rkn SAMPLE.RKN; do
    cp "$source/fuzz/corpus/readingfile/sample.rkn" "$work/$name"
    type=$(gio info -a standard::content-type "$work/$name" | sed -n 's/^ *standard::content-type: //p')
    [[ $type == application/x-vq-rudraksha-reading ]] || fail "$name has the type '$type'"
done
grep -q "^Default application.*: $app_id.desktop$" <<<"$(gio mime application/x-vq-rudraksha-reading)" \
    || fail "the menu entry does not open readings"

# The Debian package: installed under /usr, depending on the Qt libraries it links.
(cd "$build" && cpack -G DEB -B "$work/package" > "$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/package/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 libc6 qt6-qpa-plugins; do
    [[ $depends == *"$library"* ]] || fail "package does not depend on $library: $depends"
done
contents=$(dpkg-deb -c "$deb")
grep -q './usr/bin/vq-rudraksha-numerology$' <<<"$contents" || fail "package lacks /usr/bin/vq-rudraksha-numerology"
grep -q "./usr/share/applications/$app_id.desktop$" <<<"$contents" || fail "package lacks the menu entry"
grep -q "./usr/share/mime/packages/$app_id.xml$" <<<"$contents" || fail "package lacks the media type"
grep -q './usr/share/man/man1/vq-rudraksha-numerology.1.gz$' <<<"$contents" || fail "package lacks the manual page"
[[ $(dpkg-deb -f "$deb" Recommends) == *qt6-wayland* ]] || fail "package does not recommend qt6-wayland"

# The installed program answers --version with no display at all.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/usr/bin/vq-rudraksha-numerology" --version) \
    || fail "--version failed"
[[ $version == "VQ Rudraksha Numerology "* ]] || fail "--version printed '$version'"

# lintian: no error and no warning (informational tags are shown).
if command -v lintian > /dev/null; then
    lintian --fail-on error,warning --display-info "$deb" 2>&1 | grep -v 'running with root privileges' \
        | tee "$work/lintian.log"
    ((PIPESTATUS[0] == 0)) || fail "lintian reported errors or warnings"
fi

# On Wayland the window names its menu entry as its app_id, so the dock shows
# the entry's name and icon.
if command -v weston > /dev/null && [[ -n $(find /usr/lib -name libqwayland-generic.so -print -quit 2>/dev/null) ]]; then
    export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=headless-backend.so --socket=wayland-check --idle-time=0 > "$work/weston.log" 2>&1 &
    weston_pid=$!
    trap 'kill "$weston_pid" 2>/dev/null || true; wait "$weston_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
    for _ in $(seq 100); do
        [[ -S $XDG_RUNTIME_DIR/wayland-check ]] && break
        sleep 0.1
    done
    [[ -S $XDG_RUNTIME_DIR/wayland-check ]] || { cat "$work/weston.log"; fail "weston did not start"; }
    WAYLAND_DISPLAY=wayland-check QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 \
        timeout 10 "$work/usr/bin/vq-rudraksha-numerology" > /dev/null 2> "$work/wayland.log" &
    program=$!
    for _ in $(seq 100); do
        grep -q 'set_app_id' "$work/wayland.log" && break
        sleep 0.1
    done
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$app_id\")" "$work/wayland.log" \
        || fail "the window's app_id is not $app_id: $(grep -o 'set_app_id([^)]*)' "$work/wayland.log")"
fi
echo "install tree and package OK: $(basename "$deb")"
