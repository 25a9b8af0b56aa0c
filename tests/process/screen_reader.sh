#!/usr/bin/env bash
# The installed game as a screen reader meets it: under openbox, on a session
# bus of its own with the real accessibility bus (at-spi2-core), the game with
# its accessibility switched on, and screen_reader.py as the reader (pyatspi),
# playing by keys alone: a new game, a match read cell by cell from the board
# table, every move, pass and the result heard and checked, and the quit that
# saves, all in English. Orca itself listens beside it, speech and braille off: its debug log
# holds every utterance, and screen_reader.py checks that Orca spoke every
# move, pass and result the game announced. The game must end by itself;
# whatever the test started is killed on the way out.
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
# Orca with settings of its own, in the test's folder. It writes its log
# line by line only to a terminal, so it gets one (script's), whose output
# is the log.
mkdir -p "$work/orca-home"
start_service env HOME="$work/orca-home" XDG_CONFIG_HOME="$work/orca-home/.config" \
  XDG_DATA_HOME="$work/orca-home/.local/share" script -qfec \
  'orca --disable speech --disable braille --debug-file /dev/tty' "$work/orca.log" </dev/null >/dev/null 2>&1
for _ in $(seq 1 300); do
  grep -q 'ORCA: Starting ATSPI registry' "$work/orca.log" 2>/dev/null && break
  sleep 0.1
done
grep -q 'ORCA: Starting ATSPI registry' "$work/orca.log" || { echo 'Orca did not start'; exit 1; }
# The game speaks English here, as on an English desktop (the locale need not
# be generated: the game reads the name); the player hears it through the
# game's own catalogue. The Japanese announcements are heard in ui_tests.
start_game env LC_ALL=en_US.UTF-8 "$launcher"
wait_for_window --class 60 || { echo 'no window of the game'; exit 1; }
/usr/bin/python3 "$source_dir/tests/process/screen_reader.py" "$ZUMORU_HOME/data/user01.usr" "$work/orca.log" \
  "$build_dir/po/en.mo"
expect_quit_and_save
echo "screen reader: ok"
