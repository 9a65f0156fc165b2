#!/usr/bin/env bash
# Runs one Windows program under wine64 with the project's prefix, on
# $DISPLAY or, when there is none, on a private Xvfb display.
# Usage: scripts/wine.sh build/x86_64/bin/win32_tests.exe [args...]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
if [ -z "${DISPLAY:-}" ]; then
  rdz_start_xvfb
  trap rdz_stop_xvfb EXIT
fi
rdz_start_wine
rdz_wine "$@"
