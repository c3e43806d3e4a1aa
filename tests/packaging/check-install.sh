#!/usr/bin/env bash
# Installs the build into a temporary prefix and builds the Debian package,
# then checks what a desktop would find: the program, its menu entry, its
# icons and its AppStream metadata, all valid, and the package's dependencies.
#   check-install.sh BUILD_DIR
set -euo pipefail
build=$1
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
done

# The menu entry starts the installed program by name and shows the installed icon.
grep -qx 'Exec=vq-rudraksha-numerology %f' "$desktop" || fail "Exec does not name the program and a file"
grep -qx 'Icon=vq-rudraksha-numerology' "$desktop" || fail "Icon does not name the installed icon"
desktop-file-validate "$desktop" || fail "desktop-file-validate reported problems"
appstreamcli validate --no-net --pedantic "$metainfo" > "$work/appstream.log" \
    || { cat "$work/appstream.log"; fail "appstreamcli reported problems"; }
grep -q "pedantic" "$work/appstream.log" && { cat "$work/appstream.log"; fail "appstreamcli has remarks"; }

# The Debian package: installed under /usr, depending on the Qt libraries it links.
(cd "$build" && cpack -G DEB -B "$work/package" > "$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/package/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins; do
    [[ $depends == *"$library"* ]] || fail "package does not depend on $library: $depends"
done
contents=$(dpkg-deb -c "$deb")
grep -q './usr/bin/vq-rudraksha-numerology$' <<<"$contents" || fail "package lacks /usr/bin/vq-rudraksha-numerology"
grep -q "./usr/share/applications/$app_id.desktop$" <<<"$contents" || fail "package lacks the menu entry"
echo "install tree and package OK: $(basename "$deb")"
