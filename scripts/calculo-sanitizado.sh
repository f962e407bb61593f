#!/usr/bin/env bash
# Builds the maths without Qt (runtime, polynomial library, analysis
# routines) with AddressSanitizer and UndefinedBehaviorSanitizer in a build
# folder of its own and runs their tests there: a memory fault or undefined
# behaviour fails it. Needs what scripts/setup.sh installs.
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
carpeta=${QUORVANE_BUILD_SANITIZADO:-$raiz/build-sanitizado}

cmake -S "$raiz" -B "$carpeta" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_SANITIZA_CALCULO=ON >/dev/null
cmake --build "$carpeta"
export ASAN_OPTIONS=abort_on_error=0:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$carpeta"
ctest --output-on-failure -j "$(nproc)"
