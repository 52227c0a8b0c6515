#!/usr/bin/env bash
# One command from a fresh Debian 12 machine to the running program. Extra arguments go to kesvar
# (for example --home DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
exec "$root/build/bin/kesvar" "$@"
