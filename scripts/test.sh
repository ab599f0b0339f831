#!/usr/bin/env bash
# Sets everything up and runs every test: the format check, short fuzzing
# runs of the entry parser and the settings reader, the test suite built
# with GCC (Release) and with clang, the test suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and the Debian package
# built, checked by lintian and hardening-check, installed and purged.
# Warnings are errors in all of these builds (VELMOR_WERROR), except the
# package's, which builds as a distribution would.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/ensure-packages.sh "${test_packages[@]}"
jobs=$(nproc)

echo "== format"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

echo "== fuzz the entry parser and the settings reader (clang, libFuzzer)"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMOR_WERROR=ON \
    -DVELMOR_FUZZ=ON -DVELMOR_SANITIZE=ON -DVELMOR_BENCH=OFF -DVELMOR_UI=OFF >/dev/null
cmake --build build-fuzz --target calc_text_val_fuzzer settings_reader_fuzzer
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in calc_text_val settings_reader; do
    mkdir -p "$scratch/$target"
    build-fuzz/fuzz/${target}_fuzzer -max_total_time=10 -print_final_stats=0 \
        -artifact_prefix="$scratch/" "$scratch/$target" "fuzz/corpus/$target" 2>&1 | tail -n 20
done

echo "== tests (GCC, Release)"
CXX=g++ cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMOR_WERROR=ON -DVELMOR_BENCH=ON \
    >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== tests (clang)"
CXX=clang++ cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMOR_WERROR=ON -DVELMOR_BENCH=OFF >/dev/null
cmake --build build-clang
# The desktop suite ran on the GCC build's installed program already.
ctest --test-dir build-clang --output-on-failure -j "$jobs" --exclude-regex '^desktop\.'

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMOR_SANITIZE=ON -DVELMOR_WERROR=ON \
    -DVELMOR_BENCH=OFF -DVELMOR_UI=ON >/dev/null
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j "$jobs" --exclude-regex '^(install|desktop)\.'

echo "== Debian package"
started=$SECONDS
scripts/build-package.sh build-deb
echo "(package built in $((SECONDS - started)) s)"
scripts/check-package.sh build-deb
