#!/usr/bin/env bash
# The installed game as a screen reader meets it: under openbox, on a session
# bus of its own with the real accessibility bus (at-spi2-core), the game with
# its accessibility switched on, and screen_reader.py as the reader (pyatspi),
# playing by keys alone: a new game, a match read cell by cell from the board
# table, every move, pass and the result heard and checked, and the quit that
# saves. The game must end and no process of the test is left.
set -euo pipefail
binary=$1
source_dir=$2
# A bus of its own, ended with the test.
if [ -z "${ZUMORU_TEST_SESSION_BUS:-}" ]; then
  exec env ZUMORU_TEST_SESSION_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
build_dir=$(dirname "$binary")
work=$(mktemp -d)
source "$source_dir/tests/process/lib/desktop.sh"
trap 'desktop_cleanup; rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
export ZUMORU_HOME="$work/home/zumoru"
export XDG_RUNTIME_DIR="$work"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

start_desktop "$work" openbox
# The accessibility bus, and the registry it starts, in a group of their own.
start_service /usr/libexec/at-spi-bus-launcher --launch-immediately
start_game "$work/prefix/games/zumoru"
wait_for_window 'ズモルリバロ' 60 || { echo 'no window captioned ズモルリバロ'; exit 1; }
/usr/bin/python3 "$source_dir/tests/process/screen_reader.py" "$ZUMORU_HOME/data/user01.usr"
wait_for_exit "$game_pid" 20 || { echo 'the game did not end after the quit'; exit 1; }
wait "$game_pid" && code=0 || code=$?
[ "$code" -eq 0 ] || { echo "the game exited with $code"; exit 1; }
echo "screen reader: ok"
