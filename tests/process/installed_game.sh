#!/usr/bin/env bash
# The game as a player gets it: installed into a fresh prefix with cmake --install,
# started through its launcher under a virtual X display with SDL's disk audio
# driver. The title window appears with its caption and is not blank, sound is
# written, the game folder is prepared from the delivered data, and a second
# copy is refused with exit code 0. Then whatever can lie in the place of the
# index or of a save (a FIFO, a folder, a link to /dev/zero, a sparse file of
# 1 GiB): the game comes up as quickly and as small as ever, and continuing a
# save it cannot read says so under the title ダメ.
set -euo pipefail
binary=$1
source_dir=$2
build_dir=$(dirname "$binary")
work=$(mktemp -d)
SDL_AUDIODRIVER_FOR_TEST=disk
source "$source_dir/tests/process/lib/desktop.sh"
source "$source_dir/tests/process/lib/refusal.sh"
trap 'desktop_cleanup; rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
for file in games/zumoru libexec/zumoru/zumoru libexec/zumoru/zumoru-launch share/zumoru/data/user00.usr \
            share/zumoru/data/index.dat share/zumoru/data/ms23.dat share/zumoru/data/en/ms23.dat \
            share/zumoru/data/sdm01.dat \
            share/applications/io.github.zumoru.zumoru.desktop share/icons/hicolor/scalable/apps/io.github.zumoru.zumoru.svg; do
  [ -e "$work/prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done
grep -q '^Exec=zumoru$' "$work/prefix/share/applications/io.github.zumoru.zumoru.desktop"
# The sound library and the forty libraries under it are loaded when the game
# first sounds, not with the game, whose first window would wait for them.
! ldd "$work/prefix/libexec/zumoru/zumoru" | grep -q -i sdl || { echo 'the game is linked to SDL'; exit 1; }
launcher="$work/prefix/games/zumoru"

export ZUMORU_HOME="$work/home/zumoru"
export XDG_RUNTIME_DIR="$work"
export SDL_DISKAUDIOFILE="$work/audio.raw"
export SDL_DISKAUDIODELAY=10

start_desktop "$work"
started=$(date +%s%N)
start_game "$launcher"
game=$game_pid
wait_for_window 'ズモルリバロ' 60 || { echo 'no window captioned ズモルリバロ'; exit 1; }
usual_start=$(( ($(date +%s%N) - started) / 1000000 ))
sleep 4
usual_memory=$(awk '/^VmHWM/ { print $2 }' "/proc/$game/status")
echo "the usual start: a window after $usual_start ms, at most $usual_memory kB resident at the title"
import -window root "$work/shot.png"
deviation=$(convert "$work/shot.png" -format '%[fx:standard_deviation]' info:)
awk -v d="$deviation" 'BEGIN { exit !(d > 0.01) }' || { echo "blank screen (deviation $deviation)"; exit 1; }

# A second copy shows its refusal and ends with 0; the first goes on. It is
# started through a link to the launcher, as from a player's own bin folder:
# the launcher still finds the game beside itself.
mkdir -p "$work/bin"
ln -s "$launcher" "$work/bin/zumoru"
start_game "$work/bin/zumoru" 2>"$work/second.err"
second=$game_pid
for _ in $(seq 1 600); do grep -q 'すでに実行' "$work/second.err" && break; sleep 0.1; done
grep -q 'アプリケーションはすでに実行されています' "$work/second.err" || { echo 'second copy not refused'; exit 1; }
dismiss_refusal "$second" || exit 1
wait "$second" || { echo 'second copy exited non-zero'; exit 1; }
running "$game" || { echo 'the first copy did not survive'; exit 1; }
kill "$game"
wait_for_exit "$game" 20 || { echo 'the game ignored SIGTERM'; exit 1; }

[ -s "$work/audio.raw" ] || { echo "no sound was written"; exit 1; }
sound_bytes=$(tr -d '\0' < "$work/audio.raw" | wc -c)
[ "$sound_bytes" -gt 1000 ] || { echo "only silence was written"; exit 1; }
echo "sound written: $sound_bytes non-zero bytes"
for file in user00.usr en/ms23.dat; do
  cmp -s "$ZUMORU_HOME/data/$file" "$source_dir/data/$file" || { echo "game folder not prepared: data/$file"; exit 1; }
done
cp "$work/shot.png" "$build_dir/installed-title.png"

# Continuing slot 1 on the title: its start button, "つづきから" and slot 1,
# pressed over and over (the title ignores presses until its animation is
# done) until a box titled ダメ comes up or the title makes way for the
# selection screen. Prints which.
continue_slot_1() {
  local title point
  title=$(xdotool search --onlyvisible --name 'ズモルリバロ' | head -n1)
  for _ in $(seq 1 30); do
    for point in '134 162' '132 130' '140 76'; do
      # shellcheck disable=SC2086
      xdotool mousemove --window "$title" $point click 1 2>/dev/null || true
      sleep 0.3
      if xdotool search --onlyvisible --name 'ダメ' >/dev/null 2>&1; then echo ダメ; return; fi
      if ! xdotool search --onlyvisible --name 'ズモルリバロ' | grep -qx "$title"; then echo selection; return; fi
    done
  done
  echo nothing
}

# The most the game has held in memory so far, in kB.
resident() { awk '/^VmHWM/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }

if [ -n "${ZUMORU_SKIP_FILES_IN_THE_WAY:-}" ]; then
  echo "installed game: ok (files in the way left to the unsanitized build)"
  exit 0
fi
data="$ZUMORU_HOME/data"
# Slot 1 named, so that continuing opens its save.
printf 'taro\0\0\0\0\0\0\0no-file\0\0\0\0no-file\0\0\0\0' > "$work/index-slot1.dat"
failed=0
for place in index.dat user01.usr; do
  for kind in fifo folder zero-link sparse; do
    rm -rf "$data/index.dat" "$data/user01.usr"
    [ "$place" = index.dat ] || cp "$work/index-slot1.dat" "$data/index.dat"
    case $kind in
      fifo) mkfifo "$data/$place" ;;
      folder) mkdir "$data/$place" ;;
      zero-link) ln -s /dev/zero "$data/$place" ;;
      sparse) truncate -s 1G "$data/$place" ;;
    esac
    started=$(date +%s%N)
    start_game "$launcher"
    if ! wait_for_window 'ズモルリバロ' 30; then
      echo "$kind as $place: no window within 30 s"; failed=1
      kill -KILL -- "-$game_pid"; continue
    fi
    start=$(( ($(date +%s%N) - started) / 1000000 ))
    sleep 4
    memory=$(resident "$game_pid")
    said=-
    if [ "$place" = user01.usr ]; then
      # A save it cannot read is said so; the sparse file reads as its first
      # 56 bytes (all zero), a game like any other.
      expected=ダメ
      [ "$kind" != sparse ] || expected=selection
      said=$(continue_slot_1)
      [ "$said" = "$expected" ] || { echo "$kind as $place: continuing led to $said, not $expected"; failed=1; }
      memory=$(resident "$game_pid")
    fi
    echo "$kind as $place: a window after $start ms, at most $memory kB resident, continuing: $said"
    running "$game_pid" || { echo "$kind as $place: the game ended"; failed=1; }
    [ "$start" -le $((usual_start * 3 + 3000)) ] || { echo "$kind as $place: slow to start"; failed=1; }
    [ "$memory" -le $((usual_memory * 3 / 2)) ] || { echo "$kind as $place: larger than usual"; failed=1; }
    kill -KILL -- "-$game_pid"
    wait_for_exit "$game_pid" 10 || true
  done
done
[ "$failed" -eq 0 ] || exit 1
echo "installed game: ok"
