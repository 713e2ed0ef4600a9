#!/usr/bin/env bash
# Builds Velmora and starts it. Without a display it shows what Velmora makes for the sample item instead.
source "$(dirname "$0")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" xdg-utils
build app

# Showing the sample instead is this command doing its job, so it ends well even though velmora cannot start.
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
    build/app/src/app/velmora || true # says in one line that there is no display
    echo "This is what Velmora makes for the sample item examples/mug.tqf:"
    build/app/src/app/velmora-cli form examples/mug.tqf
    build/app/src/app/velmora-cli link examples/mug.tqf
    exit 0
fi
exec build/app/src/app/velmora
