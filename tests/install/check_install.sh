#!/usr/bin/env bash
# Checks what `cmake --install` makes of a build folder: the program and the
# guide beside it, the icon drawn for each small size, and a valid desktop
# entry, metainfo and manual page (the validators fail on a missing file).
# scripts/check-package.sh checks the Debian package.
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$1" --prefix "$scratch/usr" >/dev/null
cd "$scratch/usr"
[[ -x bin/velmor ]] || { echo "no program bin/velmor"; exit 1; }
icons=share/icons/hicolor
for file in share/velmor/guide/index.html $icons/scalable/apps/org.velmor.Velmor.svg; do
    [[ -f $file ]] || { echo "missing: $file"; exit 1; }
done
for size in 16 24 32 48; do
    grep -q "width=\"$size\" height=\"$size\"" "$icons/${size}x$size/apps/org.velmor.Velmor.svg" ||
        { echo "no icon drawn for $size pixels"; exit 1; }
done
desktop-file-validate share/applications/org.velmor.Velmor.desktop
appstreamcli validate --pedantic --no-net share/metainfo/org.velmor.Velmor.metainfo.xml
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l share/man/man1/velmor.1 2>&1 >/dev/null) || true
[[ -z $warnings ]] || { echo "manual page: $warnings"; exit 1; }
echo "install tree is complete"
