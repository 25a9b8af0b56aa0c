#!/usr/bin/env bash
# Runs a command as a native Wayland client of a private headless sway (see
# wayland.sh), which is stopped when the command ends; the command's status
# is the script's.
set -euo pipefail
source "$(dirname "$0")/wayland.sh"
work=$(mktemp -d)
trap 'wayland_cleanup; rm -rf "$work"' EXIT
start_sway "$work"
QT_QPA_PLATFORM=wayland "$@"
