#!/usr/bin/env bash
# Builds libjpeg-turbo's static library for one Windows target from Debian's
# source package. Usage: build-libjpeg.sh TRIPLE PREFIX
# The source is fetched once into build/deps/src; each target's result is
# cached in PREFIX and the script returns at once when it is there.
set -euo pipefail
triple=$1
prefix=$2
root=$(cd "$(dirname "$0")/.." && pwd)
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

src_root="$root/build/deps/src"
mkdir -p "$src_root"
src=$(find "$src_root" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
if [ -z "$src" ]; then
  (cd "$src_root" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1) || {
    echo "build-libjpeg: 'apt-get source libjpeg-turbo' failed (are deb-src lines enabled?)" >&2; exit 1; }
  src=$(find "$src_root" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
fi

work="$root/build/deps/build-$triple"
log="$root/build/deps/build-$triple.log"
rm -rf "$work"
echo "build-libjpeg: building libjpeg-turbo for $triple"
{
cmake -S "$src" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$triple.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF \
  -DWITH_JAVA=OFF &&
cmake --build "$work" --target install
} >"$log" 2>&1 || { tail -n 40 "$log" >&2; echo "build-libjpeg: failed, see $log" >&2; exit 1; }
rm -rf "$work"
echo "build-libjpeg: $triple installed in $prefix"
