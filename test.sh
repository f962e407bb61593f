#!/usr/bin/env bash
# Builds everything and runs every test, headless.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
cmake --build "$QUORVANE_BUILD"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$(mktemp -d)
chmod 0700 "$XDG_RUNTIME_DIR"
cd "$QUORVANE_BUILD"
ctest --output-on-failure -j "$(nproc)" "$@"
