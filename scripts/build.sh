#!/usr/bin/env bash
# Configures and builds into build/ (Release with debug info unless BUILD_TYPE says otherwise).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$root/build" --parallel "$(nproc)"
