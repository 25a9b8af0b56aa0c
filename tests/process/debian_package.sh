#!/usr/bin/env bash
# The Debian package: built with CPack, holding the launcher, the game, the
# delivered data, the desktop entry and the icon, and declaring what it needs.
set -euo pipefail
binary=$1
build_dir=$(dirname "$binary")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build_dir" && cpack -G DEB -B "$work" >/dev/null)
package=$(ls "$work"/zumoru_*.deb)
dpkg-deb -c "$package" > "$work/contents"
for file in ./usr/bin/zumoru ./usr/libexec/zumoru/zumoru ./usr/libexec/zumoru/zumoru-launch \
            ./usr/share/zumoru/data/user00.usr ./usr/share/zumoru/data/index.dat \
            ./usr/share/applications/zumoru.desktop ./usr/share/icons/hicolor/scalable/apps/zumoru.svg; do
  grep -q " $file\$" "$work/contents" || { echo "missing from the package: $file"; exit 1; }
done
depends=$(dpkg-deb -f "$package" Depends)
for need in libqt6widgets6 libqt6svg6 libsdl2-mixer-2.0-0 qt6-qpa-plugins fonts-ipafont-gothic; do
  [[ "$depends" == *"$need"* ]] || { echo "the package does not depend on $need"; exit 1; }
done
echo "debian package: ok ($(basename "$package"))"
