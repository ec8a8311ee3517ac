#!/usr/bin/env bash
# Builds the libFuzzer targets in fuzz/ with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/ (or the folder given as BUILD_DIR) and runs
# each for a bounded time on its seed corpus. A crash, a sanitizer report or a hang stops
# the run with a non-zero status and leaves the input in build-fuzz/artifacts/.
#
#   bash scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
#
# SECONDS_PER_TARGET defaults to 60; the targets default to every fuzz/fuzz_*.cpp.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh

# clang and libFuzzer come from Debian's own packages; only fuzzing needs them.
fuzz_packages=(clang libclang-rt-14-dev)
missing=()
for package in "${fuzz_packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    as_root=()
    [ "$(id -u)" -ne 0 ] && as_root=(sudo)
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in fuzz/fuzz_*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi

# The fuzz targets work in a temporary folder of their own, so every path given them is absolute.
build_dir=$(realpath -m "${BUILD_DIR:-build-fuzz}")
# The GCC builds of the tests hold the code to warnings as errors; this clang build is
# for finding crashes, so a warning only clang gives must not stop the fuzzing.
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DRINGGLORY_WARNINGS_AS_ERRORS=OFF \
    -DRINGGLORY_FUZZ=ON -DRINGGLORY_SANITIZE=address,undefined \
    -DBUILD_TESTING=OFF -DRINGGLORY_BENCH=OFF
cmake --build "$build_dir" --parallel "$(nproc)" --target "${targets[@]}"

# Real save files and scripts are the seeds: each target takes the files it reads.
seed_files() {
    case "$1" in
        fuzz_script) find tests/scenarios -name '*.script' ;;
        fuzz_save_reader) find tests fuzz -name '*.sav' ;;
        fuzz_history_csv) find fuzz -name '*.history.csv' ;;
    esac
}

# Qt keeps caches for the life of the process, which leak checking would take for leaks.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
mkdir -p "$build_dir/artifacts" "$build_dir/logs"
fuzz_one() {
    local target=$1
    local corpus="$build_dir/corpus/$target"
    local seeds="$build_dir/seeds/$target"
    mkdir -p "$corpus" "$seeds"
    seed_files "$target" | while read -r file; do cp "$file" "$seeds/"; done
    local options=(-max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -print_final_stats=1
                   -artifact_prefix="$build_dir/artifacts/$target-")
    # Left alone, libFuzzer keeps inputs to the longest seed or 4 KiB; a hand-edited save
    # can be longer than any the game writes, so give the reader room past a full career's.
    if [ "$target" = fuzz_save_reader ]; then
        options+=(-max_len=16384)
    fi
    if [ -f "fuzz/$target.dict" ]; then
        options+=(-dict="$PWD/fuzz/$target.dict")
    fi
    "$build_dir/fuzz/$target" "${options[@]}" "$corpus" "$seeds"
}

# Each fuzzer runs on one core, so as many run side by side as there are cores; each still
# has its full time. Their output goes to a log each, shown whole when the fuzzer ends.
jobs_at_once=$(nproc)
pids=()
names=()
failed=0
finish() {
    local index=$1
    local target=${names[$index]}
    local status=0
    wait "${pids[$index]}" || status=$?
    echo "== $target for $seconds s"
    cat "$build_dir/logs/$target.log"
    if [ "$status" -ne 0 ]; then
        echo "fuzz: $target failed (status $status)" >&2
        failed=1
    fi
}
for target in "${targets[@]}"; do
    if [ ${#pids[@]} -ge "$jobs_at_once" ]; then
        finish 0
        pids=("${pids[@]:1}")
        names=("${names[@]:1}")
    fi
    fuzz_one "$target" >"$build_dir/logs/$target.log" 2>&1 &
    pids+=($!)
    names+=("$target")
done
while [ ${#pids[@]} -gt 0 ]; do
    finish 0
    pids=("${pids[@]:1}")
    names=("${names[@]:1}")
done
exit "$failed"
