#!/usr/bin/env bash
# skintool on the game's skin folder: pack is deterministic, unpack then pack
# gives the same skin file byte for byte, unpacked pictures equal the
# folder's, and refused input ends with one line on standard error and a
# non-zero status.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${RDZ_BUILD_DIR:-build}
case $out in /*) ;; *) out=$root/$out ;; esac
tool=$out/native/bin/skintool
[ -x "$tool" ] || { echo "missing $tool (build native first)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$tool" pack "$root/skins/Zevrak" "$work/a.skn"
"$tool" pack "$root/skins/Zevrak/Zevrak.ini" "$work/b.skn"
cmp "$work/a.skn" "$work/b.skn"
"$tool" unpack "$work/a.skn" "$work/unpacked"
for f in "$root"/skins/Zevrak/*.bmp; do cmp "$f" "$work/unpacked/$(basename "$f")"; done
"$tool" pack "$work/unpacked" "$work/c.skn"
cmp "$work/a.skn" "$work/c.skn"
"$tool" info "$work/a.skn" >/dev/null

expect_refusal() {  # expected status, arguments...
  local want=$1; shift
  set +e
  "$tool" "$@" >/dev/null 2>"$work/err"
  local status=$?
  set -e
  [ "$status" -eq "$want" ] || { echo "skintool $*: status $status, wanted $want"; exit 1; }
  [ "$(wc -l <"$work/err")" -ge 1 ] || { echo "skintool $*: no message"; exit 1; }
}
expect_refusal 2
expect_refusal 2 frobnicate x
expect_refusal 2 info
# A length field past the end of the file.
head -c 100 "$work/a.skn" >"$work/cut.skn"
expect_refusal 3 info "$work/cut.skn"
[ "$(wc -l <"$work/err")" -eq 1 ] || { echo "refusal message is not one line"; exit 1; }
expect_refusal 3 unpack "$work/cut.skn" "$work/never"
[ ! -e "$work/never" ] || { echo "unpack of a refused file created its folder"; exit 1; }
expect_refusal 3 pack "$work/no-such-folder" "$work/d.skn"
# A skin with faults: info lists each one and exits with status 1.
mkdir "$work/faulty"
cp "$root"/skins/Zevrak/*.bmp "$work/faulty/"
python3 - "$root/skins/Zevrak/Zevrak.ini" "$work/faulty/skin.ini" <<'PY'
import sys
s = open(sys.argv[1], newline='').read()
def replace_in(section, key, value):
    global s
    i = s.index('[' + section + ']'); j = s.index('\n' + key + '=', i) + 1; k = s.index('\n', j)
    s = s[:j] + key + '=' + value + '\r' + s[k:]
replace_in('button', 'skinrect', '600,400,700,450')
replace_in('gauge', 'pictureindex', '-2')
replace_in('POPUPWINDOW', 'maskpictureindex', '19')
s = s.replace('=edit:edit', '=nosuchsection:edit', 1)
open(sys.argv[2], 'w', newline='').write(s)
PY
"$tool" pack "$work/faulty" "$work/faulty.skn" >/dev/null
set +e
"$tool" info "$work/faulty.skn" >"$work/report"
status=$?
set -e
[ "$status" -eq 1 ] || { echo "info on a faulty skin: status $status, wanted 1"; exit 1; }
for want in "skinrect 600,400,700,450 lies outside picture 3" "[gauge] pictureindex=-2 is out of range" \
            "[POPUPWINDOW] maskpictureindex=19 is out of range" "there is no section [nosuchsection]" "4 problems"; do
  grep -qF "$want" "$work/report" || { echo "info did not report: $want"; cat "$work/report"; exit 1; }
done
echo "skintool round trip: $(stat -c %s "$work/a.skn") bytes, identical"
