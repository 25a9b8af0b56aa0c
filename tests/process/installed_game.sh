#!/usr/bin/env bash
# The game as a player gets it: installed into a fresh prefix with cmake --install,
# started through its launcher under a virtual X display with SDL's disk audio
# driver. The title window appears with its caption and is not blank, sound is
# written, the game folder is prepared from the delivered data, and a second
# copy is refused with exit code 0.
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
            share/zumoru/data/index.dat share/zumoru/data/ms23.dat share/zumoru/data/sdm01.dat \
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
start_game "$launcher"
game=$game_pid
wait_for_window 'ズモルリバロ' 60 || { echo 'no window captioned ズモルリバロ'; exit 1; }
sleep 4
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
cmp -s "$ZUMORU_HOME/data/user00.usr" "$source_dir/data/user00.usr" || { echo "game folder not prepared"; exit 1; }
cp "$work/shot.png" "$build_dir/installed-title.png"
echo "installed game: ok"
