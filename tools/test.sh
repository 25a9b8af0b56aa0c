#!/usr/bin/env bash
# Installs what the build and the tests need, builds, and runs every test.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
source "$source_dir/tools/packages.sh"
ensure_packages "${ZUMORU_BUILD_PACKAGES[@]}" "${ZUMORU_TEST_PACKAGES[@]}"
cmake -S "$source_dir" -B "$source_dir/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$source_dir/build" -j2
ctest --test-dir "$source_dir/build" --output-on-failure -j2 --timeout 900
