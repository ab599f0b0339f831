#!/usr/bin/env bash
# Sets everything up and runs every test: the format check, a short fuzzing
# run of the parser, the test suite, and the test suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/ensure-packages.sh "${test_packages[@]}"
jobs=$(nproc)

echo "== format"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

echo "== fuzz the parser (clang, libFuzzer)"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELMOR_FUZZ=ON -DVELMOR_SANITIZE=ON -DVELMOR_BENCH=OFF >/dev/null
cmake --build build-fuzz --target calc_text_val_fuzzer
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
build-fuzz/fuzz/calc_text_val_fuzzer -max_total_time=15 -print_final_stats=0 "$corpus" \
    fuzz/corpus/calc_text_val 2>&1 | tail -n 20

echo "== tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMOR_SANITIZE=ON \
    -DVELMOR_BENCH=OFF >/dev/null
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j "$jobs"
