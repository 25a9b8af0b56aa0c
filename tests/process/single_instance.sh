#!/usr/bin/env bash
# The single-copy guard, with real processes under a virtual X display:
# a second copy is refused with its message and exit code 0; after the first
# copy exits, or is killed outright, a new copy starts.
set -euo pipefail
binary=$1
source_dir=$2
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/game/data"
cp "$source_dir"/data/* "$work/game/data/"
export XDG_RUNTIME_DIR="$work"
export SDL_AUDIODRIVER=dummy

run_under_x() {
  xvfb-run -a -s "-screen 0 1024x768x24" bash -c "$1"
}

run_under_x "
  set -e
  cd '$work/game'
  '$binary' & first=\$!
  # wait until the first copy's window is up
  for i in \$(seq 1 100); do xdotool search --name 'ズモルリバロ' >/dev/null 2>&1 && break; sleep 0.1; done
  xdotool search --name 'ズモルリバロ' >/dev/null || { echo 'first copy shows no window'; exit 1; }
  # the second copy shows its refusal and waits for OK
  '$binary' 2>'$work/second.err' & second=\$!
  for i in \$(seq 1 100); do grep -q 'すでに実行' '$work/second.err' && break; sleep 0.1; done
  sleep 1
  kill -0 \$first || { echo 'the first copy was disturbed'; exit 1; }
  source '$source_dir/tests/process/lib/refusal.sh'
  dismiss_refusal \$second || exit 1
  wait \$second && code=0 || code=\$?
  [ \$code -eq 0 ] || { echo \"second copy exited with \$code\"; exit 1; }
  grep -q 'アプリケーションはすでに実行されています' '$work/second.err' || { echo 'no refusal message'; exit 1; }
  # killed outright: the lock goes with the process
  kill -9 \$first; wait \$first || true
  '$binary' & third=\$!
  sleep 2
  kill -0 \$third || { echo 'a new copy could not start after SIGKILL'; exit 1; }
  # a clean exit releases it too
  kill -TERM \$third; wait \$third || true
  '$binary' & fourth=\$!
  sleep 2
  kill -0 \$fourth || { echo 'a new copy could not start after the first ended'; exit 1; }
  kill -9 \$fourth
"
echo "single instance guard: ok"
