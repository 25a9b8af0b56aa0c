#!/usr/bin/env bash
# Renders every picture in art/ to PNG for a look, and puts them side by side
# on one contact sheet (contact_sheet.png in the output folder).
#   tools/render_art.sh OUTDIR [SCALE]
# SCALE (default 2) enlarges the PNGs so small faces can be judged.
set -euo pipefail

out=${1:?usage: tools/render_art.sh OUTDIR [SCALE]}
scale=${2:-2}
here=$(cd "$(dirname "$0")/.." && pwd)
art="$here/art"

need() {  # need COMMAND DEBIAN-PACKAGE
    command -v "$1" >/dev/null 2>&1 && return
    echo "installing $2 for $1" >&2
    if [ "$(id -u)" = 0 ]; then apt-get install -y -qq "$2" >/dev/null; else sudo apt-get install -y -qq "$2" >/dev/null; fi
}
need rsvg-convert librsvg2-bin
need montage imagemagick

mkdir -p "$out"
shopt -s nullglob
pngs=()
for svg in "$art"/*.svg; do
    name=$(basename "$svg" .svg)
    rsvg-convert --zoom="$scale" --background-color=none "$svg" -o "$out/$name.png"
    pngs+=("$out/$name.png")
done
echo "rendered ${#pngs[@]} pictures into $out"

# Faces first (three per opponent in a row), then the rest.
ordered=()
for k in 00 01 02 03 10 11 12 13 20 21 22 23; do
    for s in "" w l; do ordered+=("$out/imgChar$k$s.png"); done
done
for n in imgHelo imgHeloW imgHeloL imgHeroine imgHeroineW imgHeroineL Image5 Image6 \
         imgEgg1 imgEgg2 imgEgg3 imgEgg4 imgEgg5; do
    ordered+=("$out/$n.png")
done
for p in "${pngs[@]}"; do
    case " ${ordered[*]} " in *" $p "*) ;; *) ordered+=("$p") ;; esac
done
existing=()
for p in "${ordered[@]}"; do [ -f "$p" ] && existing+=("$p"); done

cell=$((90 * scale))
montage "${existing[@]}" -background '#6f6f6f' -fill white -pointsize $((6 * scale + 1)) \
    -set label '%t  %[fx:w/'"$scale"']x%[fx:h/'"$scale"']' \
    -tile 9x -geometry "${cell}x${cell}>+5+5" "$out/contact_sheet.png"
echo "contact sheet: $out/contact_sheet.png"
