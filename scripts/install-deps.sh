#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the run need.
# Idempotent: when everything is present it only checks and returns at once.
set -euo pipefail

packages=(
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 libz-mingw-w64-dev
  zlib1g-dev wine64 xvfb xdotool imagemagick cmake ninja-build
  googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev
  fonts-liberation dpkg-dev ccache debootstrap nsis zip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$' || missing+=("$p")
done

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# Source packages are needed for libjpeg-turbo: enable deb-src beside the
# existing deb entry of the Debian sources, once.
need_update=0
src_file=/etc/apt/sources.list.d/debian.sources
if [ -f "$src_file" ] && ! grep -q '^Types:.*deb-src' "$src_file"; then
  "${sudo_cmd[@]}" sed -i 's/^Types: deb$/Types: deb deb-src/' "$src_file"
  need_update=1
fi
if [ -f /etc/apt/sources.list ] && grep -q '^deb http' /etc/apt/sources.list \
   && ! grep -q '^deb-src' /etc/apt/sources.list && [ ! -f "$src_file" ]; then
  sed -n 's/^deb \(http.*\)/deb-src \1/p' /etc/apt/sources.list | "${sudo_cmd[@]}" tee -a /etc/apt/sources.list >/dev/null
  need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ "$need_update" -eq 1 ]; then
  echo "install-deps: installing ${missing[*]:-source lists}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  if [ ${#missing[@]} -gt 0 ]; then
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi

# The mingw compilers come in win32 and posix thread flavours; C++20 std::thread
# and friends need posix. Pick it once when the alternatives point elsewhere.
for arch in i686 x86_64; do
  for tool in g++ gcc; do
    alt="$arch-w64-mingw32-$tool"
    if [ -e "/usr/bin/$alt-posix" ] && [ "$(readlink -f "/usr/bin/$alt")" != "/usr/bin/$alt-posix" ]; then
      "${sudo_cmd[@]}" update-alternatives --set "$alt" "/usr/bin/$alt-posix" >/dev/null
    fi
  done
done
echo "install-deps: all packages present"
