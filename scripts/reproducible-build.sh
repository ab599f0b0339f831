#!/usr/bin/env bash
# Builds Velmor's Debian package twice from the same source, in two folders
# of different names and depths, one after the other, and checks that the
# .deb files come out byte for byte the same. dpkg-buildpackage takes
# SOURCE_DATE_EPOCH from debian/changelog.
#   scripts/reproducible-build.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

mkdir -p "$scratch/first" "$scratch/second/somewhat/deeper"
echo "== first build"
scripts/build-package.sh "$scratch/out-first" "$scratch/first"
sleep 2  # and so at another time, with other file times in the build
echo "== second build"
scripts/build-package.sh "$scratch/out-second" "$scratch/second/somewhat/deeper"

status=0
for first in "$scratch"/out-first/*.deb; do
    second="$scratch/out-second/$(basename "$first")"
    if cmp -s "$first" "$second"; then
        echo "identical: $(basename "$first") $(sha256sum <"$first" | cut -c1-16)"
    else
        echo "DIFFERENT: $(basename "$first")"
        status=1
        if command -v diffoscope >/dev/null; then
            diffoscope "$first" "$second" | head -n 60 || true
        fi
    fi
done
exit $status
