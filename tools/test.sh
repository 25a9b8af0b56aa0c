#!/usr/bin/env bash
# Installs what the build and the tests need, builds, and runs every test:
# the normal build, the same tests under the sanitizers, and the fuzz targets.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
source "$source_dir/tools/packages.sh"
ensure_packages "${ZUMORU_BUILD_PACKAGES[@]}" "${ZUMORU_TEST_PACKAGES[@]}"
# Warnings are errors here: a warning is a fault to mend before it lands.
# Line tables are all the debug information a failing test's trace needs; the
# full debug information of RelWithDebInfo doubles the time of every compile.
cmake -S "$source_dir" -B "$source_dir/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUMORU_WERROR=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
cmake --build "$source_dir/build" -j2

# The suite runs while the sanitized build compiles beside it: much of the
# suite is real time (a desktop session, real windows) that leaves the
# processors idle, and its tests hold against a build running beside them.
# Its output is shown once it ends.
ctest_log=$(mktemp)
ctest --test-dir "$source_dir/build" --output-on-failure -j2 --timeout 900 > "$ctest_log" 2>&1 &
ctest_pid=$!
trap 'kill "$ctest_pid" 2>/dev/null || true; rm -f "$ctest_log"' EXIT

# The same suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# in a build folder of its own, screen tests included: any report fails it.
# Built at -O1, as the sanitizers advise: it compiles in less than half the
# time and keeps the reports exact.
cmake -S "$source_dir" -B "$source_dir/build-asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZUMORU_SANITIZE=ON \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
asan_built=0
cmake --build "$source_dir/build-asan" -j2 || asan_built=$?

# The fuzz targets (clang and libFuzzer) are compiled meanwhile too: the
# suite's real-time tests leave the processors mostly idle.
CC=clang-14 CXX=clang++-14 cmake -S "$source_dir" -B "$source_dir/build-fuzz" -DZUMORU_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
fuzz_built=0
cmake --build "$source_dir/build-fuzz" -j2 || fuzz_built=$?

# Leaks are checked too; the suppressions name only system libraries that keep
# memory until the process ends. Seven process tests are left out here: the
# desktop sessions (X, twice the density, Wayland, by keys alone), the screen
# reader and the close on a result play whole matches in real time, which the
# slower sanitized binary stretches past any useful bound, and the package test
# only checks how the game is packaged, which the sanitizers have nothing to
# say about. The sanitized pass starts as soon as its build is done, beside the
# real-time tests that end the first pass; the two logs are shown in turn.
asan_log=$(mktemp)
asan_pid=
trap 'kill $ctest_pid $asan_pid 2>/dev/null || true; rm -f "$ctest_log" "$asan_log"' EXIT
if [ "$asan_built" -eq 0 ]; then
  ASAN_OPTIONS=check_initialization_order=1:strict_init_order=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions="$source_dir/tests/faults/lsan.supp":print_suppressions=0 \
    ctest --test-dir "$source_dir/build-asan" --output-on-failure -j2 --timeout 1800 \
      -E '^process\.(desktop_session|high_density_desktop|wayland_session|keyboard_session|screen_reader|close_on_result|debian_package)$' \
      > "$asan_log" 2>&1 &
  asan_pid=$!
fi

ctest_status=0
wait "$ctest_pid" || ctest_status=$?
cat "$ctest_log"
asan_status=0
[ -z "$asan_pid" ] || wait "$asan_pid" || asan_status=$?
cat "$asan_log"
if [ "$ctest_status" -ne 0 ] || [ "$asan_built" -ne 0 ] || [ "$asan_status" -ne 0 ] || [ "$fuzz_built" -ne 0 ]; then
  exit 1
fi

# The fuzz targets, a minute each, all at once: a crash or a broken property
# fails the run and leaves its input in build-fuzz/fuzz/artifacts.
fuzz_pids=()
for target in user_file slot_index speech think_input engine_diff; do
  "$source_dir/fuzz/run.sh" "$source_dir/build-fuzz" "$target" 60 & fuzz_pids+=($!)
done
fuzz_failed=0
for pid in "${fuzz_pids[@]}"; do wait "$pid" || fuzz_failed=1; done
[ "$fuzz_failed" -eq 0 ]
