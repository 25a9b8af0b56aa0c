#!/usr/bin/env bash
# The installed game on a real desktop: Xvfb with the openbox window manager,
# played from outside at full speed by desktop_player (X input, the board read
# back from the display). Window frames without buttons, the turn dialog above
# the selection screen, two whole matches with presses out of turn, the pass
# notices on the display, a window-manager close that asks, and the quit that
# saves: the slot holds the player afterwards and no game process is left.
set -euo pipefail
source "$2/tests/process/lib/desktop.sh"
player_test "$@"
start_desktop "$work" openbox
start_game "$launcher"
wait_for_window 'ズモルリバロ' 60 || { echo 'no window captioned ズモルリバロ'; exit 1; }
"$player" "$work/shots"

# Saved in slot 1 under the name typed, and the slot index names it.
expect_quit_and_save
head -c 4 "$ZUMORU_HOME/data/index.dat" | grep -q '^taro$' || { echo 'the slot index does not name slot 1'; exit 1; }
# The screenshots, for docs/ when ZUMORU_SCREENSHOTS names it.
cp "$work"/shots/*.png "${ZUMORU_SCREENSHOTS:-$build_dir}/"
echo "desktop session: ok"
