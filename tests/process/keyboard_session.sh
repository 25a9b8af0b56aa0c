#!/usr/bin/env bash
# The installed game under openbox played without a mouse: desktop_player
# sends keyboard events only, from the title through a new game to the first
# forest opponent beaten (played again until won) and the quit with save,
# reading the board and the focus frame back from the display. The game must
# end, and the save must hold the win.
set -euo pipefail
source "$2/tests/process/lib/desktop.sh"
player_test "$@"
start_desktop "$work" openbox
start_game "$launcher"
wait_for_window 'ズモルリバロ' 60 || { echo 'no window captioned ズモルリバロ'; exit 1; }
"$player" "$work/shots" --keys-only "$ZUMORU_HOME/data/user01.usr"
expect_quit_and_save
echo "keyboard session: ok"
