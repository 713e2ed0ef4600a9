#!/usr/bin/env bash
# Builds Velmora and starts it.
source "$(dirname "$0")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
build release
exec build/release/src/app/velmora
