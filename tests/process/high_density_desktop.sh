#!/usr/bin/env bash
# The installed game on an X desktop set to twice the density, as a desktop at
# 200 % sets it (Xft.dpi: 192 in the X resources), with the openbox window
# manager: the game takes the desktop's whole-number scale, so its title
# window comes up at 530 x 370 pixels, and desktop_player plays a whole match
# with every press and every look at twice the distance — the pass notices,
# the board and the result read back from the display — then asks the window
# manager to close (answered No) and quits with the game's button.
set -euo pipefail
source "$2/tests/process/lib/desktop.sh"
player_test "$@"
start_desktop "$work" openbox 2048x1536
printf 'Xft.dpi:\t192\n' | xrdb -merge -nocpp
start_game "$launcher"
wait_for_window 'ズモルリバロ' 60 || { echo 'no window captioned ズモルリバロ'; exit 1; }
title=$(xdotool search --onlyvisible --name 'ズモルリバロ' | head -n 1)
size=$(xwininfo -id "$title" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
[ "$size" = 530x370 ] || { echo "the title window is $size, not 530x370"; exit 1; }
"$player" "$work/shots" --scale 2 --one-match
expect_quit_and_save
# The screenshots (a match without a pass has no notice to show).
for shot in title turn-dialog match pass-notice close-question; do
  [ -f "$work/shots/desktop-$shot.png" ] || [ "$shot" = pass-notice ] || { echo "no screenshot $shot"; exit 1; }
  [ ! -f "$work/shots/desktop-$shot.png" ] || cp "$work/shots/desktop-$shot.png" "${ZUMORU_SCREENSHOTS:-$build_dir}/highdensity-$shot.png"
done
echo "high-density desktop: ok"
