#!/usr/bin/env bash
# The table window through a long session (tools/soak): rounds played by
# posted clicks and the window's own timers, the number and the stake
# changed now and then, and skin reloads with the pointer on the spin
# button alternating the built-in skin with a second skin file, a copy of
# the skin folder with its pictures' hues turned (masks left as they are)
# and packed by skintool. Fails when the live handle counts or the memory
# grew after the warm-up.
#
# The test command runs a short session; the full one is
#   RDZ_SOAK_ROUNDS=10000 RDZ_SOAK_RELOADS=100 bash tests/e2e/TableWindowSoak.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
out=${RDZ_BUILD_DIR:-build}
case $out in /*) ;; *) out=$root/$out ;; esac
soak=$out/${RDZ_ARCH:-x86_64}/bin/soak.exe
tool=$out/native/bin/skintool
fail() { echo "TableWindowSoak: $*" >&2; exit 1; }
[ -f "$soak" ] || fail "$soak was not built"
[ -x "$tool" ] || fail "$tool was not built"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/skins/Zevrak/* "$work/"
for f in "$work"/*.bmp; do
  case $(basename "$f") in *mask*) continue ;; esac
  convert "$f" -modulate 100,100,170 -type TrueColor "BMP3:$f"
done
"$tool" pack "$work" "$work/turned.skn" >/dev/null
cmp -s "$work/controls.bmp" "$root/skins/Zevrak/controls.bmp" && fail "the second skin's pictures were not turned"

rounds=${RDZ_SOAK_ROUNDS:-300}
status=0
bash scripts/wine.sh "$soak" "$rounds" "${RDZ_SOAK_RELOADS:-10}" "$work/turned.skn" | tee "$work/soak.log" || status=$?
# A wine that cannot start the program may still exit 0: the program's own
# closing line says that the rounds were played.
grep -q "^$rounds rounds, " "$work/soak.log" || fail "the session did not run to its end"
[ "$status" -eq 0 ] || fail "the session ended with status $status"
echo "TableWindowSoak: passed"
