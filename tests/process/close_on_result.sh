#!/usr/bin/env bash
# The installed game under openbox, closed from the window manager on a
# match's result (before "対局終了") and answered はい: the game ends and its
# save holds the whole match, the opponent beaten and the egg fed once, or,
# for a match not won, nothing of it. desktop_player plays and checks the save.
set -euo pipefail
source "$2/tests/process/lib/desktop.sh"
player_test "$@"

start_desktop "$work" openbox
start_game "$launcher"
wait_for_window 'ズモルリバロ' 60 || { echo 'no window captioned ズモルリバロ'; exit 1; }
"$player" "$work/shots" --close-on-result "$ZUMORU_HOME/data/user01.usr"
wait_for_exit "$game_pid" 20 || { echo 'the game did not end after the close'; exit 1; }
wait "$game_pid" && code=0 || code=$?
[ "$code" -eq 0 ] || { echo "the game exited with $code"; exit 1; }
echo "close on the result: ok"
