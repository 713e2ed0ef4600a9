#!/usr/bin/env bash
# Builds Velmora three ways and runs every test: plain, with address + undefined sanitizers, and the
# libFuzzer targets for a few seconds each.
source "$(dirname "$0")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev python3 chromium desktop-file-utils clang libclang-rt-14-dev xvfb xdotool
ensure_node
npm ci --prefix tests/browser --no-audit --no-fund --loglevel=error

build dev -DVELMORA_WERROR=ON
ctest --preset dev -j "$(nproc)"

build asan -DVELMORA_WERROR=ON
ctest --preset asan -j "$(nproc)"

build fuzz
ctest --preset fuzz
