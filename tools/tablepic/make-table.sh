#!/usr/bin/env bash
# Regenerates game/res/table.jpg: the table picture, 565 x 239, a baseline
# JFIF JPEG with three components at 96 dpi.
#
#   tools/tablepic/make-table.sh [output.jpg]
#
# Needs g++, ImageMagick 6 and fonts-dejavu-core (Debian). The felt noise
# is seeded, so the same tools give the same picture.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-$root/game/res/table.jpg}
fonts=/usr/share/fonts/truetype/dejavu
magick=/usr/bin/convert  # Debian's ImageMagick
[ -x "$magick" ] || magick=convert
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

g++ -std=c++20 -O1 -Wall -Wextra -o "$work/tablepic" "$here/main.cpp"
"$work/tablepic" "$fonts" > "$work/table.mvg"

# Green cloth: a dark felt with fine seeded noise and a soft light in the
# middle, then the layout drawn on it.
"$magick" -size 565x239 xc:'#0d6b30' \
    -seed 1225 -attenuate 0.18 +noise Gaussian \
    \( -size 565x239 radial-gradient:'#ffffff'-'#000000' -evaluate multiply 0.22 \) \
    -compose soft-light -composite \
    -draw "$(cat "$work/table.mvg")" \
    -strip -colorspace sRGB -type TrueColor \
    -density 96 -units PixelsPerInch \
    -sampling-factor 2x2,1x1,1x1 -interlace none -quality 92 \
    "jpeg:$out"
echo "wrote $out"
