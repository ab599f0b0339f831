#!/usr/bin/env bash
# Sets everything up, builds Velmor and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

scripts/ensure-packages.sh "${build_packages[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build

exec build/src/app/velmor
