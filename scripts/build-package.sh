#!/usr/bin/env bash
# Builds Velmor's Debian package the way a distribution does, from a copy of
# the source tree, and puts the .deb files, .buildinfo and .changes into the
# given folder (build-deb by default). The source tree itself stays clean.
#   scripts/build-package.sh [output folder] [work folder]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-build-deb}")
work=${2:-}

if [[ -z "$work" ]]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi
version=$(dpkg-parsechangelog -S Version)
tree="$work/velmor-$version"
rm -rf "$tree"
mkdir -p "$tree" "$out"

# The files git knows, as they are in the working tree (committed or not).
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d "" file; do if [[ -e "$file" ]]; then printf "%s\0" "$file"; fi; done |
    tar --null --files-from=- -cf - | tar -xf - -C "$tree"

arch=$(dpkg --print-architecture)
# The log is kept: scripts/check-package.sh reads the compiler's flags in it.
status=0
(cd "$tree" && dpkg-buildpackage -us -uc -b -j"$(nproc)") >"$work/velmor_${version}_$arch.build" 2>&1 ||
    status=$?
grep -E '^ ?(dpkg-[a-z]+|dh[_ ])' "$work/velmor_${version}_$arch.build" || true
[[ $status -eq 0 ]] || { tail -n 40 "$work/velmor_${version}_$arch.build"; exit "$status"; }
rm -f "$out"/velmor*_"$version"_*
mv "$work"/velmor*_"$version"_* "$out"/
ls "$out"
