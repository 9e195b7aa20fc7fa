#!/usr/bin/env bash
# Sets up, builds and runs every test. The optional argument names a preset: release (default),
# debug or asan.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-release}"
scripts/setup.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset"
