#!/usr/bin/env bash
# Regenerates game/res/Game.ico, the roulette wheel icon (16, 32, 48 and
# 256 pixels). Needs g++ and zlib1g-dev.
#
#   tools/iconpic/make-icon.sh [output.ico]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-$root/game/res/Game.ico}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
g++ -std=c++20 -O2 -Wall -Wextra -o "$work/iconpic" "$here/main.cpp" -lz
"$work/iconpic" "$out"
echo "wrote $out"
