#!/usr/bin/env bash
# Builds the opponents' message files data/msXX.dat from the UTF-8 sources
# tools/speech/msXX.txt: Shift-JIS (CP932) text with CR LF line ends, which is
# what the game reads. The English lines, tools/speech/en/msXX.txt, become
# data/en/msXX.dat the same way (plain ASCII is Shift-JIS as it stands). Run
# from anywhere; fails on any line that CP932 cannot represent.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
out="${1:-$root/data}"
mkdir -p "$out"

# Convert one source file to its message file (to stdout).
convert() {
    # The sources are plain LF text; a stray CR would end up doubled.
    if LC_ALL=C grep -q $'\r' "$1"; then
        echo "build.sh: $1 contains CR characters; keep the sources LF-only" >&2
        return 1
    fi
    iconv -f UTF-8 -t CP932 "$1" | LC_ALL=C sed 's/$/\r/'
}

status=0
# build [FOLDER/]: the files of one language, from the sources in that folder
# of the speech tools to the same folder under the output.
build() {
    mkdir -p "$out/$1"
    for src in "$here/$1"ms[0-2][0-3].txt; do
        local name target tmp
        name="$(basename "$src" .txt)"
        target="$out/$1$name.dat"
        tmp="$(mktemp)"
        if convert "$src" >"$tmp"; then
            chmod 644 "$tmp"
            mv "$tmp" "$target"
            echo "wrote $target"
        else
            rm -f "$tmp"
            echo "build.sh: cannot convert $src" >&2
            status=1
        fi
    done
}
build ""
build en/
exit $status
