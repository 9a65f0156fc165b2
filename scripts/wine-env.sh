# Sourced by the scripts that run Windows programs: a private wine prefix in
# the build tree, a persistent wine server, and an Xvfb display when asked.
#
# Two wine runtimes:
#   wine10  Debian 13's wine64 10 in a Debian 13 tree (scripts/wine10.sh),
#           which runs the 32-bit build too (WoW64). The tests use it for
#           both builds. Needs root; set up once on first use.
#   host    Debian 12's own wine64 8: the x86_64 build only, no root needed.
# RDZ_WINE_RUNTIME picks one; the default is wine10 for root and host for
# anyone else.
rdz_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# One prefix per build tree and runtime, so separate trees never share a
# wine server and neither wine converts the other's prefix.
rdz_build_dir=${RDZ_BUILD_DIR:-build}
case $rdz_build_dir in /*) ;; *) rdz_build_dir="$rdz_root/$rdz_build_dir" ;; esac
if [ -z "${RDZ_WINE_RUNTIME:-}" ]; then
  if [ "$(id -u)" -eq 0 ]; then RDZ_WINE_RUNTIME=wine10; else RDZ_WINE_RUNTIME=host; fi
fi
export RDZ_WINE_RUNTIME
case $RDZ_WINE_RUNTIME in
  wine10)
    export WINEPREFIX="$rdz_build_dir/wineprefix-wine10"
    RDZ_WINE=("$rdz_root/scripts/wine10.sh" run)
    RDZ_WINESERVER=("$rdz_root/scripts/wine10.sh" server) ;;
  host)
    export WINEPREFIX="$rdz_build_dir/wineprefix"
    RDZ_WINE=(/usr/lib/wine/wine64)
    RDZ_WINESERVER=(/usr/lib/wine/wineserver) ;;
  *) echo "wine-env: RDZ_WINE_RUNTIME is wine10 or host, not '$RDZ_WINE_RUNTIME'" >&2; return 2 ;;
esac
export WINEDEBUG=-all
export WINEARCH=win64
# No prompts to install wine's .NET and browser replacements, and no
# debugger: a crashing program must exit, not wait in winedbg for ever.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

# The build whose programs the scripts run: x86_64 or i686 (the shipped one,
# which only the wine10 runtime runs).
RDZ_ARCH=${RDZ_ARCH:-x86_64}
case $RDZ_ARCH in
  x86_64) ;;
  i686) [ "$RDZ_WINE_RUNTIME" = wine10 ] || { echo "wine-env: the i686 build needs RDZ_WINE_RUNTIME=wine10" >&2; return 2; } ;;
  *) echo "wine-env: RDZ_ARCH is x86_64 or i686, not '$RDZ_ARCH'" >&2; return 2 ;;
esac
export RDZ_ARCH

rdz_xvfb_pid=""

# Starts Xvfb on a free display and exports DISPLAY.
rdz_start_xvfb() {
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  rdz_xvfb_pid=$!
  local i
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done
  [ -e "/tmp/.X11-unix/X$n" ] || { echo "wine-env: Xvfb did not start" >&2; return 1; }
  export DISPLAY=":$n"
}

rdz_stop_xvfb() {
  if [ -n "$rdz_xvfb_pid" ]; then
    kill "$rdz_xvfb_pid" 2>/dev/null || true
    wait "$rdz_xvfb_pid" 2>/dev/null || true
    rdz_xvfb_pid=""
  fi
}

# Creates the prefix once (several seconds the first time) and keeps one wine
# server alive for every program run after it.
rdz_start_wine() {
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-env: creating wine prefix in $WINEPREFIX"
  fi
  if [ "$RDZ_WINE_RUNTIME" = wine10 ]; then
    "$rdz_root/scripts/wine10.sh" setup || return 1
  fi
  "${RDZ_WINE[@]}" wineboot --init </dev/null >/dev/null 2>&1 || true
  "${RDZ_WINESERVER[@]}" -p </dev/null >/dev/null 2>&1 || true
}

rdz_stop_wine() {
  "${RDZ_WINESERVER[@]}" -k </dev/null >/dev/null 2>&1 || true
  "${RDZ_WINESERVER[@]}" -w </dev/null >/dev/null 2>&1 || true
}

rdz_wine() { "${RDZ_WINE[@]}" "$@"; }

# Exit 0 when this wine runs 32-bit programs here, asked of wine's own
# 32-bit command interpreter, so that a fault of ours can never pass for a
# machine that cannot. Wine needs the processor to take 32-bit code
# segments in a 64-bit process; a hypervisor can refuse them (a far jump to
# the 32-bit user code segment faults), and then every 32-bit program dies
# at start, after which wine may still exit 0.
rdz_runs_32bit() {
  rdz_wine 'C:\windows\syswow64\cmd.exe' /c echo rdz-32-bit-ok </dev/null 2>/dev/null | tr -d '\r' | grep -qx 'rdz-32-bit-ok'
}
