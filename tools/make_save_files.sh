#!/usr/bin/env bash
# Writes the delivered save files: the new-game template (a fresh record, all
# zero: no name, no nutrition, nobody beaten) and the slot index with three
# empty slots ("no-file" in each 11-byte column).
set -euo pipefail
data=${1:-"$(dirname "$0")/../data"}
head -c 56 /dev/zero > "$data/user00.usr"
column() { printf 'no-file\0\0\0\0'; }
{ column; column; column; } > "$data/index.dat"
