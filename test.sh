#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test with ctest, checks the .deb, then builds the
# libFuzzer targets with clang and runs each briefly.
set -euo pipefail
cd "$(dirname "$0")"
source tools/install-deps.sh
kvadrix_install_deps

jobs=$(nproc)
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKVADRIX_SANITIZE=ON
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs"

# The .deb from a plain Release build of the programs, unpacked and run.
KVADRIX_JOBS=$jobs tools/check-deb.sh build-deb

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVADRIX_FUZZ=ON
cmake --build build-fuzz -j "$jobs"
ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
