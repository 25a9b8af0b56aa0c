#!/usr/bin/env bash
# Runs a command on an X server of its own, on a display the server picks
# itself (two tests never race for one number), and ends the server after it.
set -euo pipefail
source "$(dirname "$0")/desktop.sh"
work=$(mktemp -d)
trap 'desktop_cleanup; rm -rf "$work"' EXIT
start_desktop "$work"
"$@"
