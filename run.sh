#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
cmake --build "$QUORVANE_BUILD" --target zeltrano
exec "$QUORVANE_BUILD/bin/zeltrano" "$@"
