#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package of Vexa
# Modulant in build/ with CPack; prints the package's path. Install it with
#   sudo apt install ./build/vexa-modulant_*.deb
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

vexa_install_packages "${VEXA_PACKAGE_TOOLS[@]}"
cd "$VEXA_ROOT"
vexa_build build
rm -f build/vexa-modulant_*.deb
if ! (cd build && cpack -G DEB > cpack.log 2>&1); then
    cat build/cpack.log >&2
    exit 1
fi
ls "$VEXA_ROOT"/build/vexa-modulant_*.deb
