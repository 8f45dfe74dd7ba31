#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs every test twice:
# a plain build, then one under AddressSanitizer and UndefinedBehaviorSanitizer;
# then fuzzes each file reader briefly (a clang build of the readers alone).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
jobs=$(nproc)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTC2_SANITIZE=ON -DTC2_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build-asan --output-on-failure -j "$jobs"
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTC2_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs"
scripts/fuzz.sh 500
