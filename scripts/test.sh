#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. The tests run twice:
# in a plain build and in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer. `scripts/test.sh --quick` skips the second.
# The Debian package is made from the plain build and checked in between.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

quick=0
[ "${1:-}" = "--quick" ] && quick=1

vexa_install_packages xvfb xauth
cd "$VEXA_ROOT"

vexa_build build
(cd build && ctest --output-on-failure --parallel 2)
scripts/package.sh
scripts/check-package.sh

if [ $quick -eq 0 ]; then
    vexa_build build-sanitize -DVEXA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
    (cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure --parallel 2)
fi
echo "All tests passed."
