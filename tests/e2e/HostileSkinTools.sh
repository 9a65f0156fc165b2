#!/usr/bin/env bash
# A small skin with rectangles far larger than its one 8 x 8 picture (a
# layer frame with "fullborder", caption buttons of 65536 x 65536 and
# 2,000,000,000 x 4, a panel two billion pixels wide): skintool packs it and
# describes it within seconds, naming each look that cannot have an image,
# and skinview draws its sheet, listing what it cannot draw.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${RDZ_BUILD_DIR:-build}
case $out in /*) ;; *) out=$root/$out ;; esac
tool=$out/native/bin/skintool
view=$out/native/bin/skinview
for f in "$tool" "$view"; do [ -x "$f" ] || { echo "missing $f (build native first)"; exit 1; }; done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/skin"

# An 8 x 8 picture, 24 bits per pixel, all grey 0x80.
printf 'BM\xf6\x00\x00\x00\x00\x00\x00\x00\x36\x00\x00\x00\x28\x00\x00\x00\x08\x00\x00\x00\x08\x00\x00\x00' >"$work/skin/p.bmp"
printf '\x01\x00\x18\x00\x00\x00\x00\x00\xc0\x00\x00\x00\x13\x0b\x00\x00\x13\x0b\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' >>"$work/skin/p.bmp"
head -c 192 /dev/zero | tr '\0' '\200' >>"$work/skin/p.bmp"
sed 's/$/\r/' >"$work/skin/hostile.ini" <<'INI'
[VERSION]
skinname=hostile
[PICTURES]
activepicturescount=1
0=p.bmp
[FORMINFO]
clientrect=0,0,8,8
[LAYERFRAME]
pictureindex=0
maskpictureindex=0
fullborder=1
[SKINOBJECTS]
count=2
0=square:stdbutton
1=wide:button
[square]
activepictureindex=0
skinrect=0,0,65536,65536
command=cmclose
[wide]
activepictureindex=0
skinrect=0,0,2000000000,4
activeskinrect=-2147483647,-2147483647,2147483647,2147483647
[SKINCONTROLS]
count=1
0=panel:panel
[panel]
pictureindex=0
skinrect=0,0,2000000000,4
lefttoppoint=1,1
righttoppoint=3,1
INI

timeout 20 "$tool" pack "$work/skin" "$work/hostile.skn"
set +e
timeout 20 "$tool" info "$work/hostile.skn" >"$work/info" 2>&1
status=$?
set -e
cat "$work/info"
[ "$status" -eq 1 ] || { echo "skintool info: status $status, wanted 1 (problems found)"; exit 1; }
grep -qF '[square] skinrect is larger than a picture may be' "$work/info"
grep -qF '[wide] skinrect is larger than a picture may be' "$work/info"
grep -qF '[panel] skinrect 0,0,2000000000,4 is larger than a picture may be' "$work/info"
# Signs are skipped when rectangles are read: -2147483647..2147483647 reads as
# an empty rectangle, which has no image and nothing to report.
if grep -qF '[wide] activeskinrect' "$work/info"; then echo "an empty rectangle was reported"; exit 1; fi

timeout 60 "$view" "$work/hostile.skn" "$work/sheet.png" >/dev/null
[ -s "$work/sheet.png" ] || { echo "skinview wrote no sheet"; exit 1; }
echo "hostile skin: described and drawn"
