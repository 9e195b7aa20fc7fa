#!/usr/bin/env bash
# Sets up, builds and starts Varnel.
set -euo pipefail
cd "$(dirname "$0")/.."
# Varnel is a desktop window: without a display the window system could only abort.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat >&2 <<'MESSAGE'
Varnel needs a display to show its window, and this session has none (DISPLAY and
WAYLAND_DISPLAY are not set). Run it on a desktop, or without a screen in one of these ways:
    xvfb-run scripts/run.sh                       (a virtual X display; packages xvfb, xauth)
    QT_QPA_PLATFORM=offscreen scripts/run.sh      (runs without showing anything)
MESSAGE
    exit 1
fi
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target varnel
exec build/release/app/varnel "$@"
