#!/usr/bin/env bash
# Installs what the build and the tests need, builds, and runs every test:
# the normal build, the same tests under the sanitizers, and the fuzz targets.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
source "$source_dir/tools/packages.sh"
ensure_packages "${ZUMORU_BUILD_PACKAGES[@]}" "${ZUMORU_TEST_PACKAGES[@]}"
# Warnings are errors here: a warning is a fault to mend before it lands.
cmake -S "$source_dir" -B "$source_dir/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUMORU_WERROR=ON
cmake --build "$source_dir/build" -j2
ctest --test-dir "$source_dir/build" --output-on-failure -j2 --timeout 900

# The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# in a build folder of its own, screen tests included: any report fails it.
# Leaks are checked too; the suppressions name only system libraries that keep
# memory until the process ends. Two process tests are left out here: the
# desktop session plays two matches in real time, which the slower sanitized
# binary stretches past any useful bound, and the package test only checks
# how the game is packaged, which the sanitizers have nothing to say about.
cmake -S "$source_dir" -B "$source_dir/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUMORU_SANITIZE=ON
cmake --build "$source_dir/build-asan" -j2
ASAN_OPTIONS=check_initialization_order=1:strict_init_order=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions="$source_dir/tests/faults/lsan.supp":print_suppressions=0 \
  ctest --test-dir "$source_dir/build-asan" --output-on-failure -j2 --timeout 1800 \
    -E '^process\.(desktop_session|debian_package)$'

# The fuzz targets (clang and libFuzzer), a minute each, all at once: a crash
# or a broken property fails the run and leaves its input in
# build-fuzz/fuzz/artifacts.
CC=clang-14 CXX=clang++-14 cmake -S "$source_dir" -B "$source_dir/build-fuzz" -DZUMORU_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$source_dir/build-fuzz" -j2
fuzz_pids=()
for target in user_file slot_index speech think_input engine_diff; do
  "$source_dir/fuzz/run.sh" "$source_dir/build-fuzz" "$target" 60 & fuzz_pids+=($!)
done
fuzz_failed=0
for pid in "${fuzz_pids[@]}"; do wait "$pid" || fuzz_failed=1; done
[ "$fuzz_failed" -eq 0 ]
