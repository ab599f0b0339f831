#!/usr/bin/env bash
# Checks what `cmake --install` makes of a build folder: every file in its
# standard place, the icon drawn for each small size, a valid desktop entry,
# metainfo and manual page. The Debian package is checked by
# scripts/check-package.sh.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/usr" >/dev/null
icons=share/icons/hicolor
for file in bin/velmor share/applications/org.velmor.Velmor.desktop \
    $icons/scalable/apps/org.velmor.Velmor.svg share/metainfo/org.velmor.Velmor.metainfo.xml \
    share/velmor/guide/index.html share/man/man1/velmor.1; do
    [[ -f "$scratch/usr/$file" ]] || { echo "missing: $file"; exit 1; }
done
[[ -x "$scratch/usr/bin/velmor" ]] || { echo "velmor is not executable"; exit 1; }
for size in 16 24 32 48; do
    grep -q "width=\"$size\" height=\"$size\"" "$scratch/usr/$icons/${size}x$size/apps/org.velmor.Velmor.svg" ||
        { echo "no icon drawn for $size pixels"; exit 1; }
done
desktop-file-validate "$scratch/usr/share/applications/org.velmor.Velmor.desktop"
appstreamcli validate --pedantic --no-net "$scratch/usr/share/metainfo/org.velmor.Velmor.metainfo.xml"
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$scratch/usr/share/man/man1/velmor.1" 2>&1 >/dev/null)
[[ -z "$warnings" ]] || { echo "manual page: $warnings"; exit 1; }
echo "install tree is complete"
