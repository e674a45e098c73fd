#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts Kvadrix.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh
kvadrix_install_deps

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVADRIX_TESTS=OFF -DKVADRIX_BENCH=ON
cmake --build build-release -j "$(nproc)"
if [ -x build-release/shell/qt/kvadrix ]; then
  exec build-release/shell/qt/kvadrix
fi
echo "Vinduet er endnu ikke bygget. Brug den kommandolinjebaserede udgave:"
build-release/cli/kvadrix-cli --help || true
