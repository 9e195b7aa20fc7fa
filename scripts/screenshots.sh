#!/usr/bin/env bash
# Retakes the pictures of the window, the "Try on text" preview, the help window and the About box
# in docs/ and in the help pages, on the offscreen platform (no display needed).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
take() {
    cmake --build --preset release --target varnel_screenshots varnel_help
    QT_QPA_PLATFORM=offscreen build/release/help/varnel_screenshots . build/release/help/Help.chm
}
take
# The help window's picture shows the help; take it again with the help built from the new pictures.
take
