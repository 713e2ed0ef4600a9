# Shared by run.sh and test.sh: package installs, the format check and the CMake build.
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

# libqrencode-dev draws the payment link's QR code.
BUILD_PACKAGES=(g++ make cmake qt6-base-dev libqrencode-dev qtkeychain-qt6-dev)

# Fails, naming each place, where a C++ file differs from the layout .clang-format asks for (Debian's clang-format).
check_format() {
    find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z | xargs -0 clang-format --dry-run --Werror
}

# build PRESET: configures and builds with the CMake preset of that name.
build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" -j "$(nproc)"
}
