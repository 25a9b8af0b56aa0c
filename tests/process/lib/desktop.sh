# A private X desktop for the process tests: Xvfb on a free display, with or
# without a real window manager, and the game started in a process group of
# its own. Everything started here is killed on every way out of the test
# (call `desktop_cleanup` from the script's EXIT trap).
#
# The tests set the platform they test themselves: whatever the calling shell
# exported, the game runs on X11 with SDL's silent audio unless told otherwise.
export QT_QPA_PLATFORM=xcb
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER_FOR_TEST:-dummy}
unset QT_SCALE_FACTOR
# The game speaks the desktop's language; these tests read its Japanese, the
# game as designed, whatever the calling shell's LANG: the plain locale, which
# every machine has (a locale that is not generated would also leave the
# game's window titles unreadable to xdotool).
export LC_ALL=C.UTF-8
unset LANGUAGE

desktop_pids=()
game_groups=()

# install_game BUILD_DIR WORK_DIR: the game installed with cmake --install
# into WORK_DIR/prefix, with a game folder and a runtime folder (for the
# single-copy lock) of its own and a folder for desktop_player's shots; the
# launcher is in $launcher.
install_game() {
  local build_dir=$1 work=$2
  cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
  launcher="$work/prefix/games/zumoru"
  export ZUMORU_HOME="$work/home/zumoru"
  export XDG_RUNTIME_DIR="$work"
  mkdir -p "$work/shots"
}

# player_test BINARY SOURCE_DIR PLAYER: the set-up of a test that
# desktop_player plays: the arguments CTest gives it ($binary, $source_dir,
# $player, $build_dir), a work folder ($work) removed with everything started
# on every way out, and the game installed there (install_game).
player_test() {
  binary=$1 source_dir=$2 player=$3
  build_dir=$(dirname "$binary")
  work=$(mktemp -d)
  trap 'desktop_cleanup; rm -rf "$work"' EXIT
  install_game "$build_dir" "$work"
}

# expect_quit_and_save: the game ($game_pid) ends with 0 after the player's
# quit, and slot 1 holds the player desktop_player named.
expect_quit_and_save() {
  wait_for_exit "$game_pid" 20 || { echo 'the game did not end after the quit'; return 1; }
  local code=0
  wait "$game_pid" || code=$?
  [ "$code" -eq 0 ] || { echo "the game exited with $code"; return 1; }
  head -c 4 "$ZUMORU_HOME/data/user01.usr" | grep -q '^taro$' || { echo 'slot 1 was not saved'; return 1; }
}

# start_desktop WORK_DIR [openbox] [WIDTHxHEIGHT]: exports DISPLAY. The
# server keeps what is set on it (X resources) when its last client leaves.
start_desktop() {
  local work=$1 manager=${2:-} size=${3:-1024x768}
  : > "$work/display"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
  desktop_pids+=($!)
  for _ in $(seq 1 300); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo 'Xvfb did not start'; return 1; }
  export DISPLAY=":$(head -n1 "$work/display")"
  if [ "$manager" = openbox ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    desktop_pids+=($!)
    # The window manager is ready once it has announced itself on the root.
    for _ in $(seq 1 300); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
      sleep 0.1
    done
    echo 'openbox did not start'
    return 1
  fi
}

# start_game COMMAND...: runs it in a new process group; its pid is in $game_pid.
start_game() {
  setsid "$@" &
  game_pid=$!
  game_groups+=("$game_pid")
}

# start_service COMMAND...: a helper the game talks to (a bus), in a process
# group of its own with whatever it starts, killed with the game's.
start_service() {
  setsid "$@" &
  game_groups+=("$!")
}

# wait_for_window TITLE [SECONDS]: a visible window of that title, with a
# generous bound for a loaded machine. TITLE "--class" waits for any window of
# the game's class instead: a game whose locale is not generated on this
# machine writes its title for old window managers in Latin-1, which xdotool
# cannot match.
wait_for_window() {
  local title=$1 seconds=${2:-60} by=--name
  [ "$title" = --class ] && by=--class title=io.github.zumoru.zumoru
  for _ in $(seq 1 $((seconds * 10))); do
    xdotool search --onlyvisible "$by" "$title" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# running PID: the process lives (an ended child not yet waited for does not).
running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [[ "$state" != Z* ]]
}

# wait_for_exit PID SECONDS: true when the process has ended in time.
wait_for_exit() {
  local pid=$1 seconds=$2
  for _ in $(seq 1 $((seconds * 10))); do
    running "$pid" || return 0
    sleep 0.1
  done
  return 1
}

desktop_cleanup() {
  local group
  for group in "${game_groups[@]}"; do kill -KILL -- "-$group" 2>/dev/null || true; done
  local pid
  for pid in "${desktop_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${desktop_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
}
