#!/usr/bin/env bash
# Builds and checks the Debian package, then builds Velmora three ways and runs every test: plain, with
# address + undefined sanitizers, and the libFuzzer targets for VELMORA_FUZZ_SECONDS each (5 unless set).
source "$(dirname "$0")/common.sh"

# The browser test drives Debian's Chromium through its WebDriver with Debian's python3; the session test
# runs the real program on Xvfb and types into it with xdotool. CPack needs file and dpkg-shlibdeps (dpkg-dev).
ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev python3 python3-selenium chromium chromium-driver \
    desktop-file-utils shared-mime-info clang libclang-rt-14-dev xvfb xdotool file dpkg-dev lintian appstream

build app
cpack --preset app
tests/data/check_package.sh build/app

build dev -DVELMORA_WERROR=ON
ctest --preset dev -j "$(nproc)"

build asan -DVELMORA_WERROR=ON
ctest --preset asan -j "$(nproc)"

build fuzz
ctest --preset fuzz
