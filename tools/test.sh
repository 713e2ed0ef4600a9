#!/usr/bin/env bash
# Checks the layout of the sources, then builds Velmora three ways and runs every test: plain and with address +
# undefined sanitizers (both with warnings as errors), and the libFuzzer targets for VELMORA_FUZZ_SECONDS each
# (5 unless set).
source "$(dirname "$0")/common.sh"

# The browser test drives Debian's Chromium through its WebDriver with Debian's python3; the session test
# runs the real program on Xvfb and types into it with xdotool.
ensure_packages "${BUILD_PACKAGES[@]}" clang-format python3 python3-selenium chromium chromium-driver \
    desktop-file-utils clang libclang-rt-14-dev xvfb xdotool

check_format

build ci
ctest --preset ci -j "$(nproc)"

build ci-asan
ctest --preset ci-asan -j "$(nproc)"

build fuzz
ctest --preset fuzz
