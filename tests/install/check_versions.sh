#!/usr/bin/env bash
# The version is written once, in CMakeLists.txt's project(VERSION); the
# Debian changelog, the metainfo's newest release and the release notes
# must name the same one.
#   check_versions.sh SOURCE_FOLDER VERSION
set -euo pipefail
source=$1
version=$2
status=0
agree() {
    if [[ $2 != "$version" ]]; then
        echo "$1 says $2, CMakeLists.txt says $version"
        status=1
    fi
}
agree debian/changelog "$(sed -n '1s/^velmor (\([^)]*\)).*/\1/p' "$source/debian/changelog")"
agree "the metainfo's newest release" \
    "$(grep -m1 -o '<release version="[^"]*"' "$source/data/org.velmor.Velmor.metainfo.xml" |
        cut -d'"' -f2)"
agree NEWS.md "$(grep -m1 -o '^## [0-9.]*' "$source/NEWS.md" | cut -c4-)"
[[ $status -eq 0 ]] && echo "every version is $version"
exit "$status"
