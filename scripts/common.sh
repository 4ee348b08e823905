# Shared by the two quick-start scripts: installs what the build needs and builds.
set -euo pipefail

REPO="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${TANKWISE_BUILD:-$REPO/build}"

# Debian packages the build needs; only the missing ones are installed.
install_packages() {
    local wanted=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-charts-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev poppler-utils
                  libgtest-dev xvfb xauth desktop-file-utils appstream "$@")
    local missing=()
    for pkg in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$pkg")
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -eq 0 ] || sudo="sudo"
        $sudo apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
    fi
}

build() {
    cmake -S "$REPO" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    cmake --build "$BUILD" -j"$(nproc)"
}
