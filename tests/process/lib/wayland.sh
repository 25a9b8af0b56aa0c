# A private Wayland desktop for the process tests: sway on wlroots' headless
# backend (its own output, read back with grim), started under an unprivileged
# user because sway refuses to run as root, with a runtime folder of its own;
# XWayland on request; a virtual pointer from wayland_pointer and a keyboard
# for wtype, since the headless backend has no input device. Everything
# started here is stopped on every way out of the test (call
# `wayland_cleanup` from the EXIT trap).
#
# Root may use the compositor's sockets as they are; the X server that sway
# starts lets in only its own user, and is told to let root in too.

wayland_pids=()
sway_groups=()
sway_runtimes=()
sway_user=nobody
output_width=1024
output_height=768

# as_sway_user COMMAND...: runs it as the compositor's user.
as_sway_user() {
  setpriv --reuid="$(id -u "$sway_user")" --regid="$(id -g "$sway_user")" --clear-groups "$@"
}

# start_sway WORK_DIR [xwayland]: exports WAYLAND_DISPLAY (the socket's whole
# path) and SWAYSOCK; with xwayland also DISPLAY.
start_sway() {
  local work=$1 xwayland=${2:-}
  # A runtime folder of the compositor's user's own, outside the test's.
  local runtime
  runtime=$(mktemp -d /tmp/zumoru-sway.XXXXXX)
  sway_runtimes+=("$runtime")
  chown "$(id -u "$sway_user"):$(id -g "$sway_user")" "$runtime"
  cat > "$runtime/config" <<EOF
output HEADLESS-1 resolution ${output_width}x${output_height} position 0,0 bg #204060 solid_color
xwayland $([ "$xwayland" = xwayland ] && echo force || echo disable)
EOF
  chmod 644 "$runtime/config"
  # In a process group of its own, with the XWayland and the background it
  # starts: the whole group is stopped at the end.
  setsid setpriv --reuid="$(id -u "$sway_user")" --regid="$(id -g "$sway_user")" --clear-groups \
    env -i HOME="$runtime" XDG_RUNTIME_DIR="$runtime" PATH=/usr/local/bin:/usr/bin:/bin \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$runtime/config" > "$work/sway.log" 2>&1 &
  local sway=$!
  sway_groups+=("$sway")
  local socket= ipc=
  for _ in $(seq 1 100); do
    socket=$(find "$runtime" -maxdepth 1 -type s -name 'wayland-*' | head -n 1)
    ipc=$(find "$runtime" -maxdepth 1 -type s -name 'sway-ipc.*' | head -n 1)
    [ -n "$socket" ] && [ -n "$ipc" ] && break
    sleep 0.1
  done
  [ -n "$socket" ] && [ -n "$ipc" ] || { echo 'sway did not start:'; cat "$work/sway.log"; return 1; }
  export WAYLAND_DISPLAY=$socket SWAYSOCK=$ipc
  [ "$xwayland" = xwayland ] || return 0
  # XWayland takes the first free display; its lock file names sway.
  local lock
  for _ in $(seq 1 100); do
    for lock in /tmp/.X*-lock; do
      [ "$(tr -dc '0-9' < "$lock" 2>/dev/null)" = "$sway" ] || continue
      lock=${lock#/tmp/.X}
      export DISPLAY=":${lock%-lock}"
      as_sway_user env DISPLAY="$DISPLAY" xhost "+si:localuser:$(id -un)" > /dev/null 2>&1 && return 0
    done
    sleep 0.1
  done
  echo 'XWayland did not start:'; cat "$work/sway.log"
  return 1
}

# start_pointer WORK_DIR WAYLAND_POINTER: a virtual pointer in the compositor,
# moved and pressed with `pointer`.
start_pointer() {
  local work=$1 binary=$2
  mkfifo "$work/pointer.in"
  "$binary" "$output_width" "$output_height" < "$work/pointer.in" > "$work/pointer.out" 2>&1 &
  wayland_pids+=($!)
  exec {pointer_fd}>"$work/pointer.in"
  pointer_work=$work
  pointer_acks=1
  pointer_wait || { echo 'no virtual pointer:'; cat "$work/pointer.out"; return 1; }
}

pointer_wait() {
  for _ in $(seq 1 100); do
    [ "$(grep -c '^ok$' "$pointer_work/pointer.out")" -ge "$pointer_acks" ] && return 0
    sleep 0.05
  done
  return 1
}

# pointer move|press X Y: on the output; returns once the compositor has it.
pointer() {
  echo "$1 $2 $3" >&"$pointer_fd"
  pointer_acks=$((pointer_acks + 1))
  pointer_wait || { echo "the pointer did not $1"; return 1; }
}

# start_keyboard: a keyboard on the compositor's seat for as long as the test
# runs, so that the clients keep theirs between the keys typed with wtype.
# Each wtype brings a keyboard of its own and takes it away when it ends; on a
# seat with none besides, every client would lose its keyboard with it and
# take the next one anew, and a key typed before a client has it is lost.
start_keyboard() {
  wtype -s 86400000 &
  wayland_pids+=($!)
  for _ in $(seq 1 50); do
    swaymsg -r -t get_seats | jq -e '.[].devices[] | select(.type == "keyboard")' > /dev/null && return 0
    sleep 0.1
  done
  echo 'no keyboard on the seat'
  return 1
}

# sway_windows: one line for each client window:
# SHELL APP_ID_OR_CLASS FLOATING X Y WIDTH HEIGHT TITLE (the window's own
# area on the output, without the frame sway draws).
sway_windows() {
  swaymsg -r -t get_tree | jq -r '
    def windows(floating): (.nodes[]? | windows(false)), (.floating_nodes[]? | windows(true)),
      (select(.pid != null) | [.shell, (.app_id // .window_properties.class // "-"), floating,
        .rect.x + .window_rect.x, .rect.y + .window_rect.y, .window_rect.width, .window_rect.height,
        .name] | map(tostring) | join(" "));
    windows(false)'
}

# pixel X Y: the colour on the output at a point, as "R G B".
pixel() {
  grim -t ppm -g "$1,$2 1x1" - | tail -c 3 | od -An -tu1 | xargs
}

wayland_cleanup() {
  [ -n "${pointer_fd:-}" ] && exec {pointer_fd}>&-
  local pid
  for pid in "${wayland_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${sway_groups[@]}"; do kill -TERM -- "-$pid" 2>/dev/null || true; done
  for pid in "${wayland_pids[@]}" "${sway_groups[@]}"; do wait "$pid" 2>/dev/null || true; done
  for pid in "${sway_groups[@]}"; do kill -KILL -- "-$pid" 2>/dev/null || true; done
  local runtime
  for runtime in "${sway_runtimes[@]}"; do rm -rf "$runtime"; done
}
