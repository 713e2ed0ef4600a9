#!/usr/bin/env bash
# Checks the layout of the sources, builds and checks the Debian package, then builds Velmora three ways and runs
# every test: plain and with address + undefined sanitizers (both with warnings as errors), and the libFuzzer targets
# for VELMORA_FUZZ_SECONDS each (5 unless set).
source "$(dirname "$0")/common.sh"

# The browser test drives Debian's Chromium through its WebDriver with Debian's python3; the session test
# runs the real program on Xvfb and types into it with xdotool. CPack needs file and dpkg-shlibdeps (dpkg-dev). The
# QR codes are printed to PNG with rsvg-convert and read back with zbarimg. The keyring test runs gnome-keyring-daemon
# in a private D-Bus session.
ensure_packages "${BUILD_PACKAGES[@]}" clang-format python3 python3-selenium python3-html5lib chromium chromium-driver \
    desktop-file-utils shared-mime-info clang libclang-rt-14-dev xvfb xdotool file dpkg-dev lintian appstream \
    librsvg2-bin zbar-tools gnome-keyring dbus

check_format

build app
cpack --preset app
tests/data/check_package.sh build/app

build ci
ctest --preset ci -j "$(nproc)"

build ci-asan
ctest --preset ci-asan -j "$(nproc)"

build fuzz
ctest --preset fuzz
