#!/usr/bin/env bash
# Builds Velmora twice (plain and with address + undefined sanitizers) and runs every test in both.
source "$(dirname "$0")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" python3

build dev -DVELMORA_WERROR=ON
ctest --preset dev -j "$(nproc)"

build asan -DVELMORA_WERROR=ON
ctest --preset asan -j "$(nproc)"
