# The Debian packages Velmor needs, sourced by the scripts beside it.
# shellcheck shell=bash
build_packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev libfontconfig-dev qt6-base-dev qt6-svg-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-liberation)
# Building and checking the Debian package: dpkg-buildpackage, debhelper,
# lintian, and hardening-check from devscripts.
package_packages=(dpkg-dev debhelper fakeroot lintian devscripts)
# The desktop suite adds an X server, a window manager, tools to drive and
# read them, the GTK platform theme for a real dark theme, and the
# accessibility bus with a client to read it as a screen reader does.
test_packages=("${build_packages[@]}" "${package_packages[@]}" clang-format clang
    libclang-rt-14-dev desktop-file-utils appstream man-db xvfb openbox xdotool x11-utils
    xclip imagemagick wmctrl weston qt6-wayland qt6-gtk-platformtheme dbus at-spi2-core python3-pyatspi procps)
