# The Debian packages Velmor needs, sourced by the scripts beside it.
# shellcheck shell=bash
build_packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev qt6-base-dev qt6-svg-dev
    fonts-liberation)
# Building and checking the Debian package: dpkg-buildpackage, debhelper,
# lintian, and hardening-check from devscripts.
package_packages=(dpkg-dev debhelper fakeroot lintian devscripts)
test_packages=("${build_packages[@]}" "${package_packages[@]}" clang-format clang
    libclang-rt-14-dev desktop-file-utils appstream man-db)
