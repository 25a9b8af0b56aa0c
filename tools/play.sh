#!/usr/bin/env bash
# Builds the game and starts it in the per-user game folder.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
source "$source_dir/tools/packages.sh"
ensure_packages "${ZUMORU_BUILD_PACKAGES[@]}"
cmake -S "$source_dir" -B "$source_dir/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$source_dir/build" -j2 --target zumoru
exec "$source_dir/tools/zumoru-launch" "$source_dir/build/zumoru" "$source_dir/data"
