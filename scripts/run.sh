#!/usr/bin/env bash
# Installs what is missing, builds the program and starts its window.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/packages.sh"
install_missing "${BUILD_PACKAGES[@]}"
cmake -S "$root" -B "$root/build/release" -DCMAKE_BUILD_TYPE=Release \
      -DBUILD_TESTING=OFF -DLCHP_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build/release" --parallel "$(nproc)"
exec "$root/build/release/window/lc-highpass" "$@"
