#!/usr/bin/env bash
# Builds Velmora twice (plain and with address + undefined sanitizers) and runs every test in both.
source "$(dirname "$0")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev python3 chromium desktop-file-utils
ensure_node
npm ci --prefix tests/browser --no-audit --no-fund --loglevel=error

build dev -DVELMORA_WERROR=ON
ctest --preset dev -j "$(nproc)"

build asan -DVELMORA_WERROR=ON
ctest --preset asan -j "$(nproc)"
