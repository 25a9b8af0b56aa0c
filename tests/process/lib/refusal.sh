# Answers the OK of a refused second copy's message box, again and again until
# the copy has gone: without a window manager the focus may not reach the box
# the first time. Fails when the copy never ends. Needs desktop.sh.
dismiss_refusal() {
  local pid=$1
  for _ in $(seq 1 40); do
    running "$pid" || return 0
    for window in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      timeout 2 xdotool windowfocus --sync "$window" 2>/dev/null || true
      timeout 2 xdotool key Return 2>/dev/null || true
    done
    sleep 0.25
  done
  running "$pid" || return 0
  kill -9 "$pid"
  echo 'the refusal was never dismissed'
  return 1
}
