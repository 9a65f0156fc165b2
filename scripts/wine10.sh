#!/usr/bin/env bash
# Wine 10 for both Windows builds, the 32-bit one included, on a Debian 12
# machine whose kernel cannot run 32-bit Linux programs (so no wine32).
#
# Debian 13's wine64 runs a 32-bit program inside a 64-bit process (Wine's
# WoW64 mode) when no 32-bit loader can run, provided the i386-windows PE
# DLLs of libwine:i386 lie beside its x86_64-windows ones. Debian 12's own
# wine64 8.0 cannot: it fails to load the WoW64 ntdll and still exits 0.
# So this script keeps a minimal Debian 13 tree (debootstrap, about 350 MB
# downloaded and 3.2 GB on disk, 1.5 to 3 minutes once) with wine64 10, the
# fonts and the X client libraries, adds those DLLs, and runs wine in it
# through a private mount namespace, where /tmp, the repository and the
# program's folder appear at their own paths.
#
#   wine10.sh setup              set the tree up (once; returns at once after)
#   wine10.sh run PROGRAM [ARG]  wine64 PROGRAM in the tree; the process keeps
#                                this script's pid, so callers can wait for it
#                                and kill it, and gets the program's exit code
#   wine10.sh server [ARG]       the tree's wineserver (-p, -k, -w)
#
# WINEPREFIX, WINEDEBUG, WINEDLLOVERRIDES and DISPLAY come from the caller.
# The tree lives in $RDZ_WINE10_ROOT (default /var/cache/rdz/wine10); the
# Debian mirror is the one this machine's apt sources name ($RDZ_WINE10_MIRROR
# overrides it). Needs root: debootstrap, chroot and unshare.
set -uo pipefail

top=${RDZ_WINE10_ROOT:-/var/cache/rdz/wine10}
tree=$top/root
stamp=$tree/.rdz-wine10-ready
suite=trixie
packages=wine64,wine64-preloader,libwine,fonts-liberation,fonts-dejavu-core,libxrender1,libxrandr2,libxcursor1,libxi6,libxcomposite1,libxinerama1,libxfixes3,libxxf86vm1
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

die() { echo "wine10: $*" >&2; exit 125; }

# The first plain Debian archive the apt sources name.
mirror() {
  if [ -n "${RDZ_WINE10_MIRROR:-}" ]; then echo "${RDZ_WINE10_MIRROR%/}"; return; fi
  local m=""
  if [ -f /etc/apt/sources.list.d/debian.sources ]; then
    m=$(awk '/^URIs:/ {u=$2} /^Suites:/ && u != "" && $0 !~ /security/ {print u; exit}' \
        /etc/apt/sources.list.d/debian.sources)
  fi
  if [ -z "$m" ] && [ -f /etc/apt/sources.list ]; then
    m=$(awk '$1 == "deb" && $0 !~ /security/ {for (i = 2; i <= NF; i++) if ($i ~ /^https?:/) {print $i; exit}}' \
        /etc/apt/sources.list)
  fi
  [ -n "$m" ] || return 1
  echo "${m%/}"
}

# apt with a private state: reads Debian 13's lists without touching the
# machine's own apt configuration.
private_apt() {
  apt-get -o Dir::Etc::sourcelist="$top/apt/sources.list" -o Dir::Etc::sourceparts=/nonexistent \
    -o Dir::State::Lists="$top/apt/lists" -o Dir::Cache="$top/apt/cache" \
    -o Dir::State::status="$top/apt/status" -o APT::Architectures::=amd64 \
    -o APT::Architectures::=i386 -o APT::Sandbox::User=root -q "$@"
}

setup_tree() {
  local m t0=$SECONDS
  m=$(mirror) || die "no Debian mirror in the apt sources; set RDZ_WINE10_MIRROR"
  echo "wine10: setting up Debian 13's wine64 in $tree (once, a few minutes)" >&2
  mkdir -p "$top/apt/lists/partial" "$top/apt/cache/archives/partial" "$top/debs" "$top/logs"
  touch "$top/apt/status"
  # Debian 12's archive keyring also verifies Debian 13's archive.
  echo "deb [arch=amd64,i386 signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $m $suite main" \
    > "$top/apt/sources.list"
  private_apt update > "$top/logs/apt.log" 2>&1 || die "apt-get update failed ($top/logs/apt.log)"

  local debootstrap=/usr/sbin/debootstrap
  if [ ! -x "$debootstrap" ]; then
    command -v apt-get >/dev/null || die "no apt-get"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null \
      || die "cannot install debootstrap"
  fi

  local new=$tree.new
  if [ -e "$new" ]; then
    # Left by a failed attempt. debootstrap ran in its own mount namespace,
    # so nothing is mounted below it, but look before deleting.
    grep -q " $new/" /proc/self/mountinfo && die "$new has mounts below it"
    rm -rf "$new"
  fi
  unshare -m --propagation private "$debootstrap" --variant=minbase --include="$packages" \
    "$suite" "$new" "$m" > "$top/logs/debootstrap.log" 2>&1 \
    || die "debootstrap failed ($top/logs/debootstrap.log)"
  rm -f "$new"/var/cache/apt/archives/*.deb

  # The 32-bit half: libwine:i386 of the very same version, of which only
  # the PE files (no Linux code) are used.
  local version deb unpacked=$top/libwine-i386
  version=$(chroot "$new" dpkg-query -W -f='${Version}' libwine) || die "no libwine in the tree"
  rm -f "$top"/debs/*.deb
  (cd "$top/debs" && private_apt download "libwine:i386=$version") >> "$top/logs/apt.log" 2>&1 \
    || die "cannot download libwine:i386 $version ($top/logs/apt.log)"
  deb=$(ls "$top"/debs/libwine_*_i386.deb)
  rm -rf "$unpacked"; mkdir -p "$unpacked"
  dpkg-deb -x "$deb" "$unpacked" || die "cannot unpack $deb"
  [ -f "$unpacked/usr/lib/i386-linux-gnu/wine/i386-windows/ntdll.dll" ] || die "no 32-bit ntdll.dll in $deb"
  mkdir -p "$new/usr/lib/x86_64-linux-gnu/wine/i386-windows"
  cp -a "$unpacked/usr/lib/i386-linux-gnu/wine/i386-windows/." "$new/usr/lib/x86_64-linux-gnu/wine/i386-windows/" \
    || die "cannot copy the 32-bit DLLs"
  rm -rf "$unpacked" "$top"/debs/*.deb
  # WoW64 is wine's fallback when it finds no 32-bit loader: none may exist.
  rm -f "$new/usr/lib/wine/wine" "$new/usr/lib/wine/wine-preloader"
  echo "wine $version ($suite amd64, i386-windows from libwine:i386), set up in $((SECONDS - t0)) s" > "$new/.rdz-wine10-ready"
  mv "$new" "$tree" || die "cannot move $new to $tree"
  echo "wine10: ready after $((SECONDS - t0)) s" >&2
}

setup() {
  [ "$(id -u)" -eq 0 ] || die "needs root (debootstrap, chroot and unshare)"
  [ -f "$stamp" ] && return 0
  mkdir -p "$top" || die "cannot create $top"
  # One set-up at a time; a second caller waits and then finds it done.
  exec 9> "$top/.setup.lock"
  flock 9
  [ -f "$stamp" ] || setup_tree
  exec 9>&-
}

# Runs a command of the tree in a private mount namespace. The folders a
# Windows program may name are bound at their own paths: the usual roots,
# the repository, the current folder, the prefix and a program's folder
# (given as the first argument after the command when it is a file).
in_tree() {
  local binds=() d b inside
  for d in /tmp /var/tmp /home /root /opt /srv /mnt /media; do
    [ -d "$d" ] && [ ! -L "$d" ] && binds+=("$d")
  done
  local wanted=("$repo" "$PWD" "${WINEPREFIX:-}")
  [ $# -ge 2 ] && [ -f "$2" ] && wanted+=("$(cd "$(dirname "$2")" && pwd)")
  for d in "${wanted[@]}"; do
    [ -n "$d" ] && [ -d "$d" ] && [ "$d" != / ] || continue
    inside=0
    for b in "${binds[@]}"; do case "$d/" in "$b"/*) inside=1 ;; esac; done
    [ $inside -eq 0 ] && binds+=("$d")
  done
  exec unshare -m --propagation private bash -c '
    tree=$1 nb=$2; shift 2
    mount --rbind /dev "$tree/dev" && mount -t proc proc "$tree/proc" && mount --rbind /sys "$tree/sys" || exit 125
    for ((i = 0; i < nb; i++)); do
      mkdir -p "$tree$1" && mount --bind "$1" "$tree$1" || exit 125
      shift
    done
    # The host fonts, so that both builds draw text alike.
    if [ -d /usr/share/fonts ]; then mount --bind -o ro /usr/share/fonts "$tree/usr/share/fonts" 2>/dev/null; fi
    cwd=$PWD; [ -d "$tree$cwd" ] || cwd=/
    exec chroot "$tree" /usr/bin/env -C "$cwd" -u LD_LIBRARY_PATH -u LD_PRELOAD -u WINESERVER WINELOADER=/usr/lib/wine/wine64 \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"
  ' wine10 "$tree" "${#binds[@]}" "${binds[@]}" "$@"
}

case "${1:-}" in
  setup) setup ;;
  run)
    shift
    [ $# -ge 1 ] || die "run: no program"
    setup
    in_tree /usr/lib/wine/wine64 "$@" ;;
  server)
    shift
    [ -f "$stamp" ] || exit 0
    in_tree /usr/lib/wine/wineserver "$@" ;;
  *) sed -n '2,/^set -uo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 2 ;;
esac
