#!/usr/bin/env bash
# Checks Velmor's Debian package in a folder made by scripts/build-package.sh:
# lintian finds no error and no warning, the program is hardened, the
# package carries its files and the Depends a desktop needs, and (as root or
# with sudo) it installs, upgrades, runs without writing under /usr, and
# purges without leaving anything behind.
#   scripts/check-package.sh [package folder]
set -euo pipefail
cd "$(dirname "$0")/.."
folder=${1:-build-deb}
version=$(dpkg-parsechangelog -S Version)
deb="$folder/velmor_${version}_$(dpkg --print-architecture).deb"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "-- lintian"
# Info tags are listed but do not fail; errors and warnings do.
lintian --display-info --pedantic --fail-on error,warning \
    "$folder/velmor_${version}_$(dpkg --print-architecture).changes"

echo "-- hardening-check"
dpkg-deb -x "$deb" "$scratch/root"
# Debian 12's build flags do not ask for control flow protection.
# Fortify Source is checked on the compiler's flags instead: every libc call
# Velmor makes has a length GCC proves safe at compile time, so the binary
# calls no run-time checked function for hardening-check to find.
hardening-check --nocfprotection --nofortify "$scratch/root/usr/bin/velmor"
compiles=$(grep -E '^\[[0-9]+/[0-9]+\] /usr/bin/c\+\+ .* -c ' "${deb%.deb}.build")
[[ -n "$compiles" ]] || { echo "no compiler lines in the build log"; exit 1; }
unfortified=$(grep -v -e '-D_FORTIFY_SOURCE=2' <<<"$compiles" || true)
[[ -z "$unfortified" ]] || { echo "compiled without _FORTIFY_SOURCE: $unfortified"; exit 1; }
echo " Fortify Source: -D_FORTIFY_SOURCE=2 on all $(wc -l <<<"$compiles") compiler runs"

echo "-- contents"
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6dbus6 libfontconfig1 libgcc-s1 libstdc++6 fonts-liberation qt6-qpa-plugins; do
    grep -q "\b$needed\b" <<<"$depends" || { echo "Depends lacks $needed: $depends"; exit 1; }
done
# Pictures are drawn with QPainter and the icon rendered at build time.
! grep -q "libqt6svg6" <<<"$depends" || { echo "Depends on QtSvg: $depends"; exit 1; }
dpkg-deb --field "$deb" Recommends | grep -q qt6-wayland || { echo "does not recommend qt6-wayland"; exit 1; }
for file in usr/bin/velmor usr/share/applications/org.velmor.Velmor.desktop \
    usr/share/metainfo/org.velmor.Velmor.metainfo.xml usr/share/velmor/guide/index.html \
    usr/share/icons/hicolor/16x16/apps/org.velmor.Velmor.svg usr/share/man/man1/velmor.1.gz \
    usr/share/doc/velmor/copyright usr/share/doc/velmor/changelog.gz; do
    [[ -f "$scratch/root/$file" ]] || { echo "not in the package: $file"; exit 1; }
done
[[ -f $(ls "$folder"/velmor-dbgsym_"${version}"_*.deb) ]] || { echo "no -dbgsym package"; exit 1; }

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    if sudo -n true 2>/dev/null; then sudo=(sudo -n); else
        echo "-- install, upgrade and purge skipped: needs root or sudo"
        exit 0
    fi
fi
if dpkg-query -W -f='${Status}' velmor 2>/dev/null | grep -q "install ok installed"; then
    echo "-- install, upgrade and purge skipped: velmor is installed here already"
    exit 0
fi

echo "-- install, upgrade, run and purge"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "./$deb" >/dev/null
trap '"${sudo[@]}" dpkg --purge velmor >/dev/null 2>&1 || true; rm -rf "$scratch"' EXIT
"${sudo[@]}" apt-get install -y -qq --reinstall "./$deb" >/dev/null
files=$(dpkg-query -L velmor)

# A short run as an ordinary user (nobody, when this runs as root): Velmor
# starts and stays up, and writes nothing under /usr.
chmod 755 "$scratch"
mkdir -p "$scratch/home/run"
chmod 700 "$scratch/home/run"
as_user=()
if [[ $(id -u) -eq 0 ]]; then
    chown -R nobody "$scratch/home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
touch "$scratch/before"
sleep 1
"${as_user[@]}" env HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/config" \
    XDG_RUNTIME_DIR="$scratch/home/run" QT_QPA_PLATFORM=offscreen /usr/bin/velmor &
velmor=$!
sleep 3
kill -0 "$velmor" 2>/dev/null || { echo "velmor did not stay up"; exit 1; }
kill -TERM "$velmor"
wait "$velmor" || true
written=$(find /usr -newer "$scratch/before" -not -type d 2>/dev/null | head)
[[ -z "$written" ]] || { echo "written under /usr at run time: $written"; exit 1; }

"${sudo[@]}" dpkg --purge velmor >/dev/null
left=$(while read -r file; do if [[ -f "$file" ]]; then echo "$file"; fi; done <<<"$files")
[[ -z "$left" ]] || { echo "left behind after purge: $left"; exit 1; }
! dpkg-query -W velmor >/dev/null 2>&1 || dpkg-query -W -f='${Status}\n' velmor | grep -q not-installed ||
    { echo "velmor still known to dpkg after purge"; exit 1; }
echo "package is clean"
