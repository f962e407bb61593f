#!/usr/bin/env bash
# Leaving the program while the assistant speaks, under AddressSanitizer and
# UndefinedBehaviorSanitizer: builds the windows and the exit test
# (tst_SalidaConVoz, the desktop's speech engine behind the assistant) in a
# build folder of its own and runs every way out many times. A thread that
# outlives what it uses, or undefined behaviour, fails it; a fault never
# passes as success. Not part of CI (the whole program under the sanitizers
# takes long to build on two cores).
# Usage: [TRABAJOS=N] scripts/salida-con-voz.sh [ROUNDS]   (N build jobs, ROUNDS 10)
set -euo pipefail

raiz=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
carpeta=${QUORVANE_BUILD_SALIDA:-$raiz/build-asan}
vueltas=${1:-10}
lanzador=()
command -v ccache >/dev/null && lanzador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
sanitizadores="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

cmake -S "$raiz" -B "$carpeta" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANE_BENCH=OFF \
  "${lanzador[@]}" -DCMAKE_CXX_FLAGS="$sanitizadores" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizadores" -DCMAKE_SHARED_LINKER_FLAGS="$sanitizadores" >/dev/null
cmake --build "$carpeta" -j "${TRABAJOS:-$(nproc)}" --target app_shell_tst_SalidaConVoz
# Qt keeps its caches to the end of the process: leaks are not this
# check's business.
# libspeechd parses the engine's long list of voices with strstr, which
# the sanitizer's checked strstr makes take minutes: that one is not checked.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0:intercept_strstr=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen QUORVANE_VUELTAS_SALIDA=$vueltas QUORVANE_VOZ_ESCRITORIO=1
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
"$carpeta/tests/app_shell_tst_SalidaConVoz"
