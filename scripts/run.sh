#!/usr/bin/env bash
# Sets up, builds and starts Varnel.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target varnel
exec build/release/app/varnel "$@"
