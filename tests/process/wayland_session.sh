#!/usr/bin/env bash
# The installed game on a Wayland desktop: sway on its headless backend with
# XWayland, its output read back with grim, pressed with a virtual pointer.
#
# With DISPLAY and WAYLAND_DISPLAY both set, as on a Wayland session, the game
# chooses X: it comes up as an XWayland client whose class is the application
# id, and desktop_player plays a whole match through XWayland by X input,
# reading the windows back, then quits it. With WAYLAND_DISPLAY alone it comes
# up as a native client with the application id: floating and centred in the
# compositor's own frame, the title revealed with its blocking wait on the
# screen, the start button leading to the menu. From there wayland_keys.py
# plays by keys typed with wtype, reading the output back with grim: a new
# game and a match against the first forest opponent to a pass notice and a
# result, back to the selection screen. The compositor's close asks the quit
# question there in a box above the window, and No keeps the game; the
# game's own quit by keys, answered with Y, ends it with 0 and the save
# written. Nothing is left running.
set -euo pipefail
binary=$1
source_dir=$2
player=$3
pointer_binary=$4
build_dir=$(dirname "$binary")
app_id=io.github.zumoru.zumoru
work=$(mktemp -d)
source "$source_dir/tests/process/lib/desktop.sh"
source "$source_dir/tests/process/lib/wayland.sh"
trap 'desktop_cleanup; wayland_cleanup; rm -rf "$work"' EXIT
# The game chooses its platform here, as on a player's desktop.
unset QT_QPA_PLATFORM

install_game "$build_dir" "$work"
shots=${ZUMORU_SCREENSHOTS:-$build_dir}

start_sway "$work" xwayland
start_pointer "$work" "$pointer_binary"

# game_window SHELL [SECONDS]: waits for the game's window on that shell
# (xwayland or xdg_shell) and sets $window to its line from sway_windows.
game_window() {
  local shell=$1 seconds=${2:-60}
  window=
  for _ in $(seq 1 $((seconds * 10))); do
    window=$(sway_windows | awk -v shell="$shell" -v id="$app_id" '$1 == shell && $2 == id' | head -n 1)
    [ -n "$window" ] && return 0
    sleep 0.1
  done
  echo "no $shell window of $app_id; the compositor has:"; sway_windows
  return 1
}

# framed_shot NAME X Y WIDTH HEIGHT: the output around a window and the frame
# sway draws over it.
framed_shot() {
  grim -g "$(($2 - 4)),$(($3 - 30)) $(($4 + 8))x$(($5 + 34))" "$shots/$1.png"
}

# --- With XWayland: the game is an X client and plays by X input -----------
start_game "$launcher"
game_window xwayland
read -r _ _ _ x y width height _ <<< "$window"
echo "on XWayland: $window"
sleep 4
framed_shot wayland-xwayland-title "$x" "$y" "$width" "$height"
"$player" "$work/shots" --one-match
expect_quit_and_save

# --- Without an X server: a native Wayland client ---------------------------
# With a game folder of its own: its new game finds slot 1 empty.
export ZUMORU_HOME="$work/native/zumoru"
start_game env -u DISPLAY "$launcher"
# The compositor places the window; once it has put its frame around it, the
# window is floating, of its own size, and centred.
for _ in $(seq 1 50); do
  game_window xdg_shell
  read -r _ _ floating x y width height _ <<< "$window"
  centre_x=$((x + width / 2 - output_width / 2)) centre_y=$((y + height / 2 - output_height / 2))
  [ "${centre_x#-}" -le 2 ] && [ "${centre_y#-}" -le 2 ] && break
  sleep 0.1
done
echo "native: $window"
[ "$floating" = true ] && [ "$width" -eq 265 ] && [ "$height" -eq 185 ] \
  || { echo "the title window is not a floating window of 265 x 185: $window"; exit 1; }
[ "${centre_x#-}" -le 2 ] && [ "${centre_y#-}" -le 2 ] || { echo "the title window is not centred: $window"; exit 1; }

# The logo gives way to the empty title, which stays through a blocking wait
# of 500 ms before the first letters come (200 ms later): seen that long on
# the compositor's output, it was sent before the wait. Read at a point where
# the logo is black, the empty title cream and the first letter orange.
now_ms() { echo $(($(date +%s%N) / 1000000)); }
empty_from= lettered_at=
deadline=$(($(now_ms) + 30000))
while [ "$(now_ms)" -lt "$deadline" ]; do
  read -r red green blue <<< "$(pixel $((x + 45)) $((y + 30)))"
  if [ "$red" -gt 240 ] && [ "$green" -gt 225 ] && [ "$blue" -gt 200 ]; then
    [ -n "$empty_from" ] || empty_from=$(now_ms)
  elif [ "$red" -gt 240 ] && [ "$green" -lt 215 ] && [ "$blue" -lt 100 ] && [ -n "$empty_from" ]; then
    lettered_at=$(now_ms)
    break
  fi
done
[ -n "$lettered_at" ] || { echo 'the title never showed its empty frame and then its letters'; exit 1; }
echo "the empty title stayed on the output for $((lettered_at - empty_from)) ms"
[ $((lettered_at - empty_from)) -ge 450 ] \
  || { echo 'the title painted before the blocking wait reached the compositor only after it'; exit 1; }

# The start button, pressed when it shows, leads to the menu (a grey button
# face where the title's frame is cream).
for _ in $(seq 1 100); do
  read -r red green blue <<< "$(pixel $((x + 120)) $((y + 162)))"
  [ "$red" -gt 220 ] && [ "$green" -lt 140 ] && [ "$blue" -lt 80 ] && break
  sleep 0.1
done
framed_shot wayland-native-title "$x" "$y" "$width" "$height"
menu=
for _ in $(seq 1 20); do
  pointer press $((x + 134)) $((y + 162))
  sleep 0.3
  read -r red green blue <<< "$(pixel $((x + 100)) $((y + 78)))"
  if [ "$red" -gt 230 ] && [ "$red" -eq "$green" ] && [ "$green" -eq "$blue" ]; then menu=yes; break; fi
done
[ -n "$menu" ] || { echo 'the start button did not lead to the menu'; exit 1; }

# By keys from here on. The compositor draws the pointer into its output:
# it is moved off the game's windows first.
pointer move 0 0
start_keyboard
/usr/bin/python3 "$source_dir/tests/process/wayland_keys.py" match "$shots"
game_window xdg_shell
read -r _ _ _ x y width height _ <<< "$window"
[ "$width" -eq 510 ] && [ "$height" -eq 333 ] || { echo "not back on the selection screen: $window"; exit 1; }
# A won match's cross and count-up (five ticks of 650 ms) run their course
# first, so that the question is asked over the finished screen.
sleep 4

# close_question: asks the compositor to close the game's window (the
# selection screen) and waits for the question; sets $box to the box's line
# from sway_windows.
close_question() {
  swaymsg "[app_id=$app_id] kill" > /dev/null
  # The box, once the compositor has put its frame around it and it stays
  # where it is.
  local seen=
  box=
  for _ in $(seq 1 100); do
    box=$(sway_windows | awk -v id="$app_id" '$1 == "xdg_shell" && $2 == id && !($6 == 510 && $7 == 333)' | head -n 1)
    [ -n "$box" ] && [ "$box" = "$seen" ] && break
    seen=$box
    sleep 0.2
  done
  [ -n "$box" ] || { echo 'the close asked no question'; exit 1; }
  read -r _ _ box_floating box_x box_y box_width box_height _ <<< "$box"
  # The box floats above the window rather than being laid out beside it.
  [ "$box_floating" = true ] || { echo "the question box is laid out beside the window: $box"; exit 1; }
  sleep 0.5
}
# answer WORD: presses はい or いいえ, right-aligned at the foot of the box.
answer() {
  local from_right=$([ "$1" = はい ] && echo 137 || echo 51)
  pointer press $((box_x + box_width - from_right)) $((box_y + box_height - 26))
}

close_question
grim -g "$((x - 4)),$((y - 30)) $((width + 8))x$((height + 34))" "$shots/wayland-native-close-question.png"
answer いいえ
pointer move 0 0
sleep 1
running "$game_pid" || { echo 'the game ended although the player said No'; exit 1; }
sway_windows | grep -q " 510 333 " || { echo 'the selection screen went away after No'; exit 1; }

/usr/bin/python3 "$source_dir/tests/process/wayland_keys.py" quit "$shots"
expect_quit_and_save
for _ in $(seq 1 20); do sway_windows | grep -q "$app_id" || break; sleep 0.1; done
! sway_windows | grep -q "$app_id" || { echo 'a window of the game is left on the compositor'; exit 1; }
cp "$work"/shots/desktop-match.png "$shots/wayland-xwayland-match.png" 2>/dev/null || true
echo "wayland session: ok"
