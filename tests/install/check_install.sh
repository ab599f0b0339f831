#!/usr/bin/env bash
# Checks what `cmake --install` and `cpack` make of a build folder: every
# file in its standard place, a valid desktop entry and metainfo, and a .deb
# that carries them with the runtime it needs.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
for file in bin/velmor share/applications/org.velmor.Velmor.desktop \
    share/icons/hicolor/scalable/apps/org.velmor.Velmor.svg \
    share/metainfo/org.velmor.Velmor.metainfo.xml share/velmor/guide/index.html; do
    [[ -f "$scratch/usr/$file" ]] || { echo "missing: $file"; exit 1; }
done
[[ -x "$scratch/usr/bin/velmor" ]] || { echo "velmor is not executable"; exit 1; }
desktop-file-validate "$scratch/usr/share/applications/org.velmor.Velmor.desktop"
appstreamcli validate --no-net "$scratch/usr/share/metainfo/org.velmor.Velmor.metainfo.xml"

(cd "$scratch" && cpack -G DEB -B "$scratch/deb" --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$scratch"/deb/velmor_*.deb)
dpkg-deb --field "$deb" Package | grep -qx velmor
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6'
dpkg-deb --field "$deb" Depends | grep -q 'fonts-liberation'
contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/velmor ./usr/share/applications/org.velmor.Velmor.desktop \
    ./usr/share/metainfo/org.velmor.Velmor.metainfo.xml ./usr/share/velmor/guide/index.html; do
    grep -q " $file\$" <<<"$contents" || { echo "not in the package: $file"; exit 1; }
done
echo "install tree and package are complete"
