#!/usr/bin/env bash
# Installs what the game needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DTC2_TESTS=OFF -DTC2_BENCH=OFF >/dev/null
cmake --build build --target thorncall2
exec build/app/thorncall2 "$@"
