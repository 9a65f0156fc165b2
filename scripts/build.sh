#!/usr/bin/env bash
# Configures and builds the project. Usage: build.sh [native|bench|fuzz|x86_64|i686|all]...
# (default: all, which is every kind). Build trees live in
# $RDZ_BUILD_DIR/<kind> (default build/); the libjpeg builds are shared by
# all of them in build/deps.
#   native  portable code, its tests and the tools, with ASan and UBSan
#   bench   the native benchmarks, optimised and without any sanitizer
#   fuzz    the libFuzzer targets (clang)
#   x86_64, i686  everything for Windows, benchmarks included
# RDZ_BUILD_TARGETS (names, space-separated) builds only those targets of
# the Windows trees (scripts/release.sh needs only the game).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
kinds=("$@")
[ ${#kinds[@]} -gt 0 ] || kinds=(all)
[ "${kinds[0]}" != all ] || kinds=(native bench fuzz x86_64 i686)
jobs=${RDZ_JOBS:-$(nproc)}
out=${RDZ_BUILD_DIR:-build}

# ccache, when present, keeps rebuilds of a fresh clone or a second work
# tree cheap; paths below the repository are hashed relative to it.
launcher=()
if command -v ccache >/dev/null && [ "${RDZ_CCACHE:-1}" != 0 ]; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
fi

configure() {  # dir, extra cmake args...
  local dir=$1; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
  fi
}

for kind in "${kinds[@]}"; do
  targets=()
  case $kind in
    native)
      configure "$out/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRDZ_SANITIZE=ON
      ;;
    bench)
      # No RDZ_SANITIZE: a sanitizer runtime would slow the memcpy the
      # benchmarks measure against.
      configure "$out/bench" -DCMAKE_BUILD_TYPE=Release
      targets=(--target benchmarks)
      ;;
    fuzz)
      configure "$out/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRDZ_FUZZ=ON \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
      ;;
    x86_64|i686)
      triple=$kind-w64-mingw32
      prefix="$root/build/deps/$triple"
      scripts/build-libjpeg.sh "$triple" "$prefix"
      # The Windows builds pack the skin with the native tools: bring them
      # up to date first.
      configure "$out/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRDZ_SANITIZE=ON
      cmake --build "$out/native" -j "$jobs" --target skintool >/dev/null
      configure "$out/$kind" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$triple.cmake" \
        -DRDZ_DEPS_PREFIX="$prefix" -DRDZ_HOST_TOOLS_DIR="$(cd "$out" && pwd)/native/bin"
      for t in ${RDZ_BUILD_TARGETS:-}; do targets+=(--target "$t"); done
      ;;
    *) echo "build.sh: unknown build '$kind' (native, bench, fuzz, x86_64, i686, all)" >&2; exit 2 ;;
  esac
  dir=$out/$kind
  echo "== building $kind"
  set +e
  cmake --build "$dir" -j "$jobs" "${targets[@]}" 2>&1 | grep -v -E '^\[[0-9]+/[0-9]+\] '
  status=${PIPESTATUS[0]}
  set -e
  [ "$status" -eq 0 ] || { echo "build.sh: $kind build failed" >&2; exit "$status"; }
done
