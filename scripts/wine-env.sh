# Sourced by the scripts that run Windows programs: a private wine prefix in
# the build tree, a persistent wine server, and an Xvfb display when asked.
rdz_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# One prefix per build tree, so separate trees never share a wine server.
rdz_build_dir=${RDZ_BUILD_DIR:-build}
case $rdz_build_dir in /*) ;; *) rdz_build_dir="$rdz_root/$rdz_build_dir" ;; esac
export WINEPREFIX="$rdz_build_dir/wineprefix"
export WINEDEBUG=-all
export WINEARCH=win64
# No prompts to install wine's .NET and browser replacements, and no
# debugger: a crashing program must exit, not wait in winedbg for ever.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
RDZ_WINE=/usr/lib/wine/wine64
RDZ_WINESERVER=/usr/lib/wine/wineserver

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
  "$RDZ_WINE" wineboot --init >/dev/null 2>&1 || true
  "$RDZ_WINESERVER" -p >/dev/null 2>&1 || true
}

rdz_stop_wine() {
  "$RDZ_WINESERVER" -k >/dev/null 2>&1 || true
  "$RDZ_WINESERVER" -w >/dev/null 2>&1 || true
}

rdz_wine() { "$RDZ_WINE" "$@"; }
