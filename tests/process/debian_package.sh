#!/usr/bin/env bash
# The Debian package, as a distribution and a player get it. Built with CPack,
# it holds the launcher in /usr/games, the game, the delivered data, the desktop
# entry, the AppStream metadata, the icons, the manual page in English and in
# Japanese, the copyright file and the changelog, declares what it needs, and
# lintian has nothing to say about it. Installed with apt, the game starts
# through its desktop entry's Exec line in a fresh home folder; purged, it
# leaves no file behind.
#
# Installing needs root or sudo without a password. Elsewhere that stage is
# skipped with a message, except on CI, where it must run.
set -euo pipefail
binary=$1
source_dir=$2
build_dir=$(dirname "$binary")
app_id=io.github.zumoru.zumoru
work=$(mktemp -d)
sudo=()
installed=
game_pid=

stop_game() {
  [ -n "$game_pid" ] || return 0
  kill -TERM -- "-$game_pid" 2>/dev/null || true
  for _ in $(seq 1 50); do
    kill -0 -- "-$game_pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL -- "-$game_pid" 2>/dev/null || true
}
source "$source_dir/tests/process/lib/desktop.sh"
cleanup() {
  [ -s "$work/game.pid" ] && game_pid=$(cat "$work/game.pid")
  stop_game
  desktop_cleanup
  if [ -n "$installed" ]; then
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq zumoru >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# --- the package as built --------------------------------------------------
(cd "$build_dir" && cpack -G DEB -B "$work" >/dev/null)
package=$(ls "$work"/zumoru_*.deb)
dpkg-deb -c "$package" > "$work/contents"
for file in ./usr/games/zumoru ./usr/libexec/zumoru/zumoru ./usr/libexec/zumoru/zumoru-launch \
            ./usr/share/zumoru/data/user00.usr ./usr/share/zumoru/data/index.dat \
            ./usr/share/zumoru/data/ms00.dat ./usr/share/zumoru/data/en/ms00.dat \
            ./usr/share/applications/$app_id.desktop ./usr/share/metainfo/$app_id.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/$app_id.svg ./usr/share/man/man6/zumoru.6.gz \
            ./usr/share/man/ja/man6/zumoru.6.gz \
            ./usr/share/doc/zumoru/copyright ./usr/share/doc/zumoru/changelog.gz; do
  grep -q " $file\$" "$work/contents" || { echo "missing from the package: $file"; exit 1; }
done
depends=$(dpkg-deb -f "$package" Depends)
for need in libqt6widgets6 libqt6svg6 libsdl2-mixer-2.0-0 qt6-qpa-plugins fonts-ipafont-gothic; do
  [[ "$depends" == *"$need"* ]] || { echo "the package does not depend on $need"; exit 1; }
done

# lintian, errors and warnings: nothing at all. Only its notice about running
# as root (CI runs as root) is not about the package.
set +e
lintian "$package" > "$work/lintian" 2>&1
lintian_status=$?
set -e
grep -vx 'running with root privileges is not recommended!' "$work/lintian" > "$work/lintian.tags" || true
if [ "$lintian_status" -ne 0 ] || [ -s "$work/lintian.tags" ]; then
  echo "lintian (exit $lintian_status):"; cat "$work/lintian"; exit 1
fi

# The unpacked package is the installed tree: its metadata validates, with
# the desktop entry and the icon it names, and every PNG icon has our picture
# in it (lintian has already compared their sizes with their folders).
mkdir "$work/root"
dpkg-deb -x "$package" "$work/root"
# validate_metadata validate|validate-tree PATH: pedantic, every note a
# fault. AppStream before 1.0 (Debian 12 has 0.16) does not know <developer>,
# the tag that took the place of <developer_name>: from such a version, that
# one note alone is let through.
validate_metadata() {
  appstreamcli "$1" --pedantic --no-net --strict "$2" > "$work/appstream" 2>&1 && return 0
  local version
  version=$(appstreamcli --version | sed -n 's/^AppStream version: //p')
  dpkg --compare-versions "$version" lt 1.0 || return 1
  grep -E '^ *[EWIP]: ' "$work/appstream" > "$work/appstream.notes" || true
  [ -s "$work/appstream.notes" ] && ! grep -vqE '^ *I: [^ ]+: unknown-tag developer$' "$work/appstream.notes"
}
validate_metadata validate "$work/root/usr/share/metainfo/$app_id.metainfo.xml" \
  || { echo "appstreamcli validate:"; cat "$work/appstream"; exit 1; }
validate_metadata validate-tree "$work/root" || { echo "appstreamcli validate-tree:"; cat "$work/appstream"; exit 1; }
desktop-file-validate "$work/root/usr/share/applications/$app_id.desktop" > "$work/desktop" 2>&1 || true
[ ! -s "$work/desktop" ] || { echo "desktop-file-validate:"; cat "$work/desktop"; exit 1; }
# The desktop entry names the icon by the application id, and the icon theme
# has it under that name.
grep -qx "Icon=$app_id" "$work/root/usr/share/applications/$app_id.desktop" || { echo "Icon= is not $app_id"; exit 1; }
# The game speaks English or Japanese: the entry names, describes and finds it
# in English by default and in Japanese for Japanese, and both manual pages,
# rendered as man renders them, tell how to pick the language.
entry=$work/root/usr/share/applications/$app_id.desktop
grep -qx 'Name=Zumoru Reversi' "$entry" && grep -qx 'Name\[ja\]=ズモルリバロ' "$entry" \
  || { echo "the desktop entry is not named Zumoru Reversi and, in Japanese, ズモルリバロ:"; cat "$entry"; exit 1; }
for key in Comment Keywords; do
  LC_ALL=C.UTF-8 grep -qP "^$key=[ -~]+\$" "$entry" && LC_ALL=C.UTF-8 grep -qP "^$key\[ja\]=.*\p{Han}" "$entry" \
    || { echo "the desktop entry lacks $key in English or in Japanese:"; cat "$entry"; exit 1; }
done
for page in man/man6/zumoru.6.gz:'a single-player Reversi game' man/ja/man6/zumoru.6.gz:'一人用のリバーシ'; do
  LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$work/root/usr/share/${page%%:*}" > "$work/page" 2>&1
  grep -q "${page#*:}" "$work/page" && grep -q 'LANGUAGE=ja zumoru' "$work/page" && grep -q 'LANGUAGE=en zumoru' "$work/page" \
    || { echo "${page%%:*} is not in its language or does not tell how to pick one:"; cat "$work/page"; exit 1; }
done
for size in 48 64 128 256; do
  icon=$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  [ -f "$icon" ] || { echo "no ${size}x${size} icon"; exit 1; }
  coverage=$(convert "$icon" -alpha extract -format '%[fx:mean]' info:)
  awk -v c="$coverage" 'BEGIN { exit !(c > 0.2) }' || { echo "the ${size}x${size} icon is mostly empty ($coverage)"; exit 1; }
done
echo "debian package: built, lintian clean, metadata valid ($(basename "$package"))"

# --- installed, started and purged -----------------------------------------
if [ "$(id -u)" -ne 0 ]; then
  if sudo -n true 2>/dev/null; then
    sudo=(sudo -n)
  elif [ -n "${CI:-}" ]; then
    echo "cannot install the package on CI: not root and no sudo without a password"; exit 1
  else
    echo "debian package: install stage skipped (needs root or sudo without a password)"; exit 0
  fi
fi
if dpkg-query -W -f='${Status}' zumoru 2>/dev/null | grep -q 'install ok installed'; then
  echo "zumoru is already installed here; remove it first (apt-get purge zumoru): this test installs and purges its own build"
  exit 1
fi
chmod go+rx "$work"  # apt reads the package as its own unprivileged user
installed=yes
(cd "$work" && "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -o DPkg::Lock::Timeout=120 "./$(basename "$package")") > "$work/apt.log" 2>&1 \
  || { echo "apt-get install failed:"; cat "$work/apt.log"; exit 1; }
dpkg -L zumoru | grep -vx '/\.' > "$work/installed-files"
# man finds the page of each language where the package put it.
[ "$(man -w -L ja zumoru)" = /usr/share/man/ja/man6/zumoru.6.gz ] && [ "$(man -w -L en zumoru)" = /usr/share/man/man6/zumoru.6.gz ] \
  || { echo "man -L ja / -L en do not find the installed pages: $(man -w -a zumoru 2>&1)"; exit 1; }

# Started as a desktop session starts it: the Exec line of the installed entry,
# found on a PATH that holds /usr/games, with a home folder of its own (no
# ZUMORU_HOME, so the launcher prepares ~/.local/share/zumoru) and a private
# runtime folder for the single-copy lock, in a process group of its own.
read -ra exec_line <<< "$(sed -n 's/^Exec=//p' "/usr/share/applications/$app_id.desktop" | sed 's/ *%[a-zA-Z]//g')"
wm_class=$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/$app_id.desktop")
mkdir -p "$work/home" && mkdir -m 700 "$work/runtime"
# An X server on a display it picks itself: no race with the other tests for a number.
start_desktop "$work"
bash -c '
  set -euo pipefail
  work=$1; wm_class=$2; shift 2
  setsid env -i HOME="$work/home" PATH=/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games \
    DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" XDG_RUNTIME_DIR="$work/runtime" \
    SDL_AUDIODRIVER=dummy LANG=C.UTF-8 "$@" > "$work/game.log" 2>&1 &
  game=$!
  echo "$game" > "$work/game.pid"
  trap "kill -KILL -- -$game 2>/dev/null; wait $game 2>/dev/null || true" EXIT
  window=
  for _ in $(seq 1 200); do
    window=$(xdotool search --all --pid "$game" --name "ズモルリバロ" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "no window captioned ズモルリバロ within 20 s:"; cat "$work/game.log"; exit 1; }
  [ "$(ps -o pgid= -p "$game" | tr -d " ")" = "$game" ] || { echo "the game is not in a process group of its own"; exit 1; }
  exe=$(readlink "/proc/$game/exe" || true)
  [ "$exe" = /usr/libexec/zumoru/zumoru ] \
    || { echo "the window is not the installed game'"'"'s (${exe:-the game has ended}):"; cat "$work/game.log"; exit 1; }
  classes=$(for w in $(xdotool search --pid "$game" 2>/dev/null); do xprop -id "$w" WM_CLASS 2>/dev/null; done)
  grep -q "\"$wm_class\"" <<< "$classes" \
    || { echo "no window of class $wm_class (StartupWMClass in the desktop entry): $classes"; exit 1; }
' bash "$work" "$wm_class" "${exec_line[@]}"
game_pid=$(cat "$work/game.pid")
stop_game
if pgrep -g "$game_pid" > /dev/null || pgrep -x -f /usr/libexec/zumoru/zumoru > /dev/null; then
  echo "a zumoru process is left behind"; exit 1
fi
game_pid=
for file in user00.usr index.dat en/ms23.dat; do
  cmp -s "$work/home/.local/share/zumoru/data/$file" "/usr/share/zumoru/data/$file" \
    || { echo "the game folder ~/.local/share/zumoru was not prepared: data/$file"; exit 1; }
done

# Purged, no file of the package is left; only folders that other packages
# share remain.
(cd / && "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get purge -y -o DPkg::Lock::Timeout=120 zumoru) \
  > "$work/apt.log" 2>&1 || { echo "apt-get purge failed:"; cat "$work/apt.log"; exit 1; }
installed=
status=$(dpkg-query -W -f='${Status}' zumoru 2>/dev/null || true)
[ -z "$status" ] || [[ "$status" == *not-installed ]] || { echo "zumoru is still known to dpkg after the purge: $status"; exit 1; }
left=()
while IFS= read -r path; do
  if [ -d "$path" ] && [ ! -L "$path" ]; then
    dpkg-query -S "$path" > /dev/null 2>&1 || left+=("$path/")
  elif [ -e "$path" ] || [ -L "$path" ]; then
    left+=("$path")
  fi
done < "$work/installed-files"
[ ${#left[@]} -eq 0 ] || { echo "left behind after the purge:"; printf '  %s\n' "${left[@]}"; exit 1; }
echo "debian package: ok (installed, started through its desktop entry, purged clean)"
