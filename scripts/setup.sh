#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12 (only what is
# missing), then configures the build folder. Sourced by test.sh and run.sh.
set -euo pipefail

QUORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QUORVANE_BUILD=${QUORVANE_BUILD:-$QUORVANE_ROOT/build}

paquetes=(
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-documentation-tools
  qt6-speech-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng espeak-ng qt6-declarative-dev
  qt6-translations-l10n qt6-qpa-plugins libqt6svg6 libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev libgsl-dev libflint-dev libflint-arb-dev
  fonts-dejavu-core desktop-file-utils appstream
  xvfb xauth xdotool
  python3 hunspell hunspell-es
)
# Callers with needs of their own (the package check) add them here.
read -r -a extra <<< "${QUORVANE_PAQUETES_EXTRA:-}"
paquetes+=("${extra[@]}")

faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltan+=("$p")
done
if [ ${#faltan[@]} -gt 0 ]; then
  echo "Instalando: ${faltan[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${faltan[@]}"
fi

fuzz=OFF
command -v clang++ >/dev/null && fuzz=ON
cmake -S "$QUORVANE_ROOT" -B "$QUORVANE_BUILD" -G Ninja -DQUORVANE_FUZZ=$fuzz >/dev/null
