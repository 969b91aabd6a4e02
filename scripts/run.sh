#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vexa Modulant with the
# simulated programmer, so the tool can be tried without hardware. Set
# VEXA_SIMULATOR yourself to keep the simulated module in a file
# (VEXA_SIMULATOR=/path/module.bin) or to 0 to use real programmers only.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

vexa_install_packages
cd "$VEXA_ROOT"
vexa_build build
export VEXA_SIMULATOR="${VEXA_SIMULATOR-1}"
exec build/app/vexa-modulant "$@"
