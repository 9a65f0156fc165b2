#!/usr/bin/env bash
# Builds what a Windows player downloads, from the shipped i686 programs,
# into dist/ (RDZ_DIST_DIR picks another folder):
#   RozudavuvoDarizZodovi-VERSION-setup.exe  the installer (NSIS)
#   RozudavuvoDarizZodovi-VERSION-win32.zip  the game and README.txt
# "release.sh x86_64" makes the same pair from the x86_64 build, a 64-bit
# installer (-x64-setup.exe, -x64.zip), which the tests install where
# no 32-bit code can run.
# VERSION comes from the file of that name, the one place the game's
# version resource also takes it from.
set -euo pipefail
arch=${1:-i686}
case $arch in
  i686) setup_suffix=setup.exe; zip_suffix=win32.zip; nsis_args=() ;;
  x86_64) setup_suffix=x64-setup.exe; zip_suffix=x64.zip; nsis_args=(-DWIN64) ;;
  *) echo "release: the build is i686 or x86_64, not '$arch'" >&2; exit 2 ;;
esac
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh >/dev/null
RDZ_BUILD_TARGETS=RozudavuvoDarizZodovi scripts/build.sh "$arch" >/dev/null

out=${RDZ_BUILD_DIR:-build}
case $out in /*) ;; *) out=$root/$out ;; esac
dist=${RDZ_DIST_DIR:-$root/dist}
version=$(head -n 1 VERSION)
name=RozudavuvoDarizZodovi
exe=$out/$arch/bin/$name.exe
product_nsh=$out/$arch/installer/Product.nsh
[ -f "$exe" ] || { echo "release: $exe was not built" >&2; exit 1; }
[ -f "$product_nsh" ] || { echo "release: $product_nsh was not generated" >&2; exit 1; }
grep -q "define VERSION \"$version\"" "$product_nsh" || { echo "release: $product_nsh is not for version $version" >&2; exit 1; }

mkdir -p "$dist"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
# The player's text file, with Windows line ends.
sed "s/@VERSION@/$version/; s/\$/\r/" tools/installer/README.txt > "$stage/README.txt"
cp "$exe" "$stage/$name.exe"

setup=$dist/$name-$version-$setup_suffix
makensis -V2 -INPUTCHARSET UTF8 "${nsis_args[@]}" \
  -DPRODUCT_NSH="$product_nsh" -DGAME_EXE="$stage/$name.exe" -DREADME="$stage/README.txt" \
  -DICON="$root/game/res/Game.ico" -DOUTFILE="$setup" tools/installer/Game.nsi

zip=$dist/$name-$version-$zip_suffix
rm -f "$zip"
(cd "$stage" && zip -q -X "$zip" "$name.exe" README.txt)
echo "release: $setup"
echo "release: $zip"
