#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   --sanitize   build with AddressSanitizer and UndefinedBehaviorSanitizer instead
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"

build="$root/build/test"
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLCHP_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
    build="$root/build/sanitize"
    options=(-DCMAKE_BUILD_TYPE=Debug -DLCHP_WERROR=ON -DLCHP_SANITIZE=ON -DLCHP_BUILD_BENCH=OFF)
fi

install_missing "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_italian_locale
cmake -S "$root" -B "$build" "${options[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --timeout 600
