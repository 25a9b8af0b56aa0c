# Debian packages the game needs to build, run and be tested. Sourced by
# play.sh and test.sh, which install whatever is missing.
ZUMORU_BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-base-private-dev qt6-svg-dev
  libgl-dev libsdl2-mixer-dev libxcb1-dev libwayland-dev qt6-wayland fonts-ipafont-gothic
  gettext)
ZUMORU_TEST_PACKAGES=(libgtest-dev xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick dpkg-dev
  file procps openbox libx11-dev libxtst-dev lintian man-db appstream desktop-file-utils
  sway xwayland grim wtype jq util-linux dbus at-spi2-core python3-pyatspi orca clang-14 libclang-rt-14-dev)

ensure_packages() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}
