#!/usr/bin/env bash
# Regenerates the README's screenshots in docs/ from the program's own windows
# under Xvfb:  tools/screenshots.sh [BUILD_DIR]   (default build-release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-release}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKVADRIX_TESTS=OFF
cmake --build "$build" -j2 --target kvadrix-screenshots
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"
mkdir -p docs
XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 \
  xvfb-run -a -s "-screen 0 1024x768x24" "$build/tools/kvadrix-screenshots" docs
ls -l docs/*.png
