# The Debian packages Velmor needs, sourced by the scripts beside it.
# shellcheck shell=bash
build_packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev)
test_packages=("${build_packages[@]}" clang-format clang libclang-rt-14-dev)
