#!/usr/bin/env bash
# The single-copy guard, with real processes under a virtual X display:
# a second copy is refused with its message (in English on an English desktop)
# and exit code 0; after the first copy exits, or is killed outright, a new
# copy starts.
set -euo pipefail
binary=$1
source_dir=$2
work=$(mktemp -d)
source "$source_dir/tests/process/lib/desktop.sh"
source "$source_dir/tests/process/lib/refusal.sh"
trap 'desktop_cleanup; rm -rf "$work"' EXIT
mkdir -p "$work/game/data"
cp -r "$source_dir"/data/. "$work/game/data/"
export XDG_RUNTIME_DIR="$work"
cd "$work/game"

start_desktop "$work"
start_game "$binary"
first=$game_pid
wait_for_window 'ズモルリバロ' 60 || { echo 'first copy shows no window'; exit 1; }

# The second copy shows its refusal and waits for OK.
start_game "$binary" 2>"$work/second.err"
second=$game_pid
for _ in $(seq 1 600); do grep -q 'すでに実行' "$work/second.err" && break; sleep 0.1; done
sleep 1
running "$first" || { echo 'the first copy was disturbed'; exit 1; }
dismiss_refusal "$second" || exit 1
wait "$second" && code=0 || code=$?
[ "$code" -eq 0 ] || { echo "second copy exited with $code"; exit 1; }
grep -q 'アプリケーションはすでに実行されています' "$work/second.err" || { echo 'no refusal message'; exit 1; }

# On an English desktop the game speaks English from its start.
start_game env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 "$binary" 2>"$work/english.err"
english=$game_pid
for _ in $(seq 1 600); do grep -q 'already running' "$work/english.err" && break; sleep 0.1; done
dismiss_refusal "$english" || exit 1
wait "$english" || true
grep -qx 'The game is already running.' "$work/english.err" || { echo 'no English refusal on an English desktop'; exit 1; }

# Killed outright: the lock goes with the process.
kill -9 "$first"
wait "$first" || true
start_game "$binary"
third=$game_pid
wait_for_window 'ズモルリバロ' 60 || { echo 'a new copy could not start after SIGKILL'; exit 1; }
running "$third" || { echo 'a new copy could not start after SIGKILL'; exit 1; }

# A clean exit releases it too.
kill -TERM "$third"
wait_for_exit "$third" 20 || { echo 'the game ignored SIGTERM'; exit 1; }
start_game "$binary"
fourth=$game_pid
wait_for_window 'ズモルリバロ' 60 || { echo 'a new copy could not start after the first ended'; exit 1; }
running "$fourth" || { echo 'a new copy could not start after the first ended'; exit 1; }
echo "single instance guard: ok"
