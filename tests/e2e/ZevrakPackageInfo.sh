#!/usr/bin/env bash
# The built-in skin as the build packs it: skintool reads it back and finds
# no problem (every picture index in range, every listed section present,
# every rectangle inside its picture), and the stored stream is the skin
# file's package with deflate level 9 (78 DA).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${RDZ_BUILD_DIR:-build}
case $out in /*) ;; *) out=$root/$out ;; esac
skn=$out/native/Zevrak.skn
stream=$out/native/generated/Zevrak.zlib
tool=$out/native/bin/skintool
for f in "$skn" "$stream" "$tool"; do
  [ -f "$f" ] || { echo "missing $f (build native first)"; exit 1; }
done
"$tool" info "$skn"
[ "$(head -c 2 "$stream" | od -An -tx1 | tr -d ' \n')" = "78da" ] || { echo "stream does not start with 78 DA"; exit 1; }
# The stream is exactly the skin file after its version and length.
cmp <(tail -c +9 "$skn") "$stream"
length=$(od -An -tu4 -j4 -N4 "$skn" | tr -d ' ')
[ "$length" -eq "$(stat -c %s "$stream")" ] || { echo "length field $length does not match the stream"; exit 1; }
echo "Zevrak.skn: no problems, stream of $length bytes"
