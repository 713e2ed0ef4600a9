# Shared by run.sh and test.sh: package installs and the CMake build.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Installs only what is missing, so a second run does not touch apt at all.
ensure_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    if ((${#missing[@]})); then
        echo "Installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

BUILD_PACKAGES=(g++ make cmake qt6-base-dev)

# build PRESET [extra cmake arguments...]
build() {
    local preset=$1
    shift
    cmake --preset "$preset" "$@" >/dev/null
    cmake --build --preset "$preset" -j "$(nproc)"
}
