# Shared by run.sh and test.sh: make sure the build tools and libraries are
# present, then configure and build one build folder.

VEXA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VEXA_PACKAGES=(
    build-essential cmake pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n
    libftdi1-dev libusb-1.0-0-dev librsvg2-bin
)
# package.sh: CPack's Debian generator works out the dependencies with
# dpkg-shlibdeps (dpkg-dev), which needs file.
VEXA_PACKAGE_TOOLS=(dpkg-dev file)
# check-package.sh: the checkers, and the man-db that lintian renders the
# manual pages with.
VEXA_PACKAGE_CHECKERS=(lintian desktop-file-utils appstream man-db)

vexa_install_packages() {
    local missing=() pkg
    for pkg in "${VEXA_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# vexa_build <build folder> [extra cmake arguments...]
vexa_build() {
    local dir=$1; shift
    cmake -S "$VEXA_ROOT" -B "$dir" "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc 2>/dev/null || echo 2)"
}
