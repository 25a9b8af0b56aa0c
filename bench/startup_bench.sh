#!/usr/bin/env bash
# How long a player waits for the game's window, and what it holds in memory
# at the title.
#
#   bench/startup_bench.sh [--runs N] [--settle SECONDS] [--vs COMMAND]... [BUILD_DIR]
#
# Installs the game from BUILD_DIR (default build/, with the zumoru-startup-clock
# target built) into a scratch prefix and starts it N times (default 10) through
# its launcher, each time on the same private Xvfb with a D-Bus session and the
# accessibility bus running, as on a desktop. Each start is timed from the
# command to its first window being shown, and its resident memory is read
# SECONDS (default 4, when the title's start button is up) after that; then the
# game is ended and waited for, so the next start finds its single-copy lock
# free. The game folder is made by the first, untimed, start and reused.
#
# With --vs COMMAND another program (a word list, as a shell splits it) is
# timed the same way in the same run, taking turns with the game: for GNOME's
# Reversi, `--vs /usr/games/iagno` (Debian's iagno package; it runs with
# GSETTINGS_BACKEND=memory, so it needs no settings daemon). --vs may be given
# more than once, e.g. also for another build of the game installed elsewhere.
#
# Prints each program's median time and its spread (quartiles, least and
# most), and its median memory. Sound goes to SDL's silent driver, since the
# machine may have no sound card.
set -euo pipefail

runs=10
settle=4
versus=()
build_dir=
while [ $# -gt 0 ]; do
  case $1 in
    --runs) runs=$2; shift 2 ;;
    --settle) settle=$2; shift 2 ;;
    --vs) versus+=("$2"); shift 2 ;;
    -h|--help) sed -n '2,23p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) build_dir=$1; shift ;;
  esac
done
here=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$(cd "${build_dir:-$here/build}" && pwd)
clock="$build_dir/bench/zumoru-startup-clock"
[ -x "$clock" ] || { echo "build the zumoru-startup-clock target first: cmake --build $build_dir --target zumoru-startup-clock" >&2; exit 2; }

# A session bus of its own, ended with the benchmark.
if [ -z "${ZUMORU_BENCH_SESSION_BUS:-}" ]; then
  args=(--runs "$runs" --settle "$settle")
  for command in "${versus[@]}"; do args+=(--vs "$command"); done
  exec env ZUMORU_BENCH_SESSION_BUS=1 dbus-run-session -- bash "$0" "${args[@]}" "$build_dir"
fi

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
game="$work/prefix/games/zumoru"
export ZUMORU_HOME="$work/home/zumoru"
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy
export GSETTINGS_BACKEND=memory
unset QT_QPA_PLATFORM QT_SCALE_FACTOR WAYLAND_DISPLAY

: > "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 1 300); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo 'Xvfb did not start' >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
pids+=($!)
sleep 1

# time_one NAME COMMAND...: one start, its figures appended to $work/NAME.
time_one() {
  local name=$1
  shift
  "$clock" --settle "$settle" -- "$@" >>"$work/$name" 2>>"$work/$name.log" \
    || { echo "$name: no window" >&2; cat "$work/$name.log" >&2; exit 1; }
}

# The programs by name: game, then versus1, versus2, ... with their commands.
names=(game)
for i in "${!versus[@]}"; do names+=("versus$((i + 1))"); done
# start_of NAME: one timed start of that program.
start_of() {
  local name=$1 command
  if [ "$name" = game ]; then
    time_one game "$game"
  else
    read -ra command <<<"${versus[$((${name#versus} - 1))]}"
    time_one "$name" "${command[@]}"
  fi
}

# Untimed first starts: the game folder is made, the files are in the cache.
for name in "${names[@]}"; do start_of "$name"; rm -f "$work/$name"; done
for run in $(seq 1 "$runs"); do
  # Each round starts with the next program, so a drift of the machine's
  # load falls on all of them alike.
  for k in "${!names[@]}"; do
    start_of "${names[$(((k + run) % ${#names[@]}))]}"
  done
done

# summary NAME LABEL: median, quartiles, least and most of the times; the
# median memory.
summary() {
  local mem
  mem=$(cut -d' ' -f2 "$work/$1" | sort -n | awk '{ m[NR] = $1 } END { print (NR % 2) ? m[(NR + 1) / 2] : (m[NR / 2] + m[NR / 2 + 1]) / 2 }')
  cut -d' ' -f1 "$work/$1" | sort -n | awk -v label="$2" -v mem="$mem" '
    { t[NR] = $1 }
    function at(q,   i, k) { i = 1 + (NR - 1) * q; k = int(i); return (k < NR) ? t[k] + (i - k) * (t[k + 1] - t[k]) : t[k] }
    END {
      printf "%-34s %5d %8.0f %8.0f–%-6.0f %6.0f–%-6.0f %7.1f MB\n", label, NR, at(0.5), at(0.25), at(0.75), t[1], t[NR], mem / 1024
    }'
}
load=$(cut -d' ' -f1-3 /proc/loadavg)
echo "start-up to the first window shown, ms ($(nproc) cores, load average $load)"
printf '%-34s %5s %8s %-15s %-13s %10s\n' program runs median quartiles 'least–most' 'memory'
summary game zumoru
for i in "${!versus[@]}"; do summary "versus$((i + 1))" "${versus[$i]}"; done
exit 0
