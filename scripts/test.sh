#!/usr/bin/env bash
# One command from a fresh Debian 12 machine to a full test run. The PostgreSQL runs of the core
# tests use the server named by KESVAR_TEST_PG and skip when it is unset.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
