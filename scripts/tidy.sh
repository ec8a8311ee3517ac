#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over every source in src/ and soak/ and
# fails on any finding. It reads the compile commands of a configured build folder: build-tidy/
# (or the folder given as BUILD_DIR), configured here if need be; nothing is compiled. The
# folder is configured without precompiled headers: clang cannot read GCC's, and each
# source is checked as it stands, so one that forgets an include it needs is found.
#
#   bash scripts/tidy.sh            # every file of src/ and soak/
#   bash scripts/tidy.sh src/hub/   # only the files whose path matches
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh
if ! command -v run-clang-tidy-14 >/dev/null; then
    as_root=()
    [ "$(id -u)" -ne 0 ] && as_root=(sudo)
    echo "Installing: clang-tidy-14"
    "${as_root[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends clang-tidy-14
fi

build_dir=${BUILD_DIR:-build-tidy}
if [ ! -f "$build_dir/compile_commands.json" ]; then
    cmake -S . -B "$build_dir" -DBUILD_TESTING=OFF -DRINGGLORY_BENCH=OFF -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON >/dev/null
fi
if grep -q cmake_pch "$build_dir/compile_commands.json"; then
    echo "tidy.sh: $build_dir uses precompiled headers; give a folder configured with -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON" >&2
    exit 2
fi
filter="$PWD/${1:-(src|soak)/}"
echo "clang-tidy over ${filter#"$PWD/"}"
run-clang-tidy-14 -p "$build_dir" -j "$(nproc)" -quiet "$filter"
