#!/usr/bin/env bash
# Installs what is missing, builds Ring Glory and every test in build-tests/ (or the
# folder given as BUILD_DIR) and runs them all headless. Extra CMake options may be
# passed as arguments, e.g. -DRINGGLORY_SANITIZE=address,undefined.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh
build_dir=${BUILD_DIR:-build-tests}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON "$@"
cmake --build "$build_dir" --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
