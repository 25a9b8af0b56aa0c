#!/usr/bin/env bash
# The installed game as a screen reader meets it: under openbox, on a session
# bus of its own with the real accessibility bus (at-spi2-core), the game with
# its accessibility switched on, and screen_reader.py as the reader (pyatspi),
# playing by keys alone: a new game, a match read cell by cell from the board
# table, every move, pass and the result heard and checked, and the quit that
# saves. The game must end by itself; whatever the test started is killed on
# the way out.
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

install_game "$build_dir" "$work"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_desktop "$work" openbox
# The accessibility bus, and the registry it starts, in a group of their own.
start_service /usr/libexec/at-spi-bus-launcher --launch-immediately
start_game "$launcher"
wait_for_window 'ズモルリバロ' 60 || { echo 'no window captioned ズモルリバロ'; exit 1; }
/usr/bin/python3 "$source_dir/tests/process/screen_reader.py" "$ZUMORU_HOME/data/user01.usr"
expect_quit_and_save
echo "screen reader: ok"
