#!/usr/bin/env bash
# Installs what is missing, builds Ring Glory in build/ and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cmake --build build --parallel "$(nproc)" --target ringglory
exec ./build/ringglory "$@"
