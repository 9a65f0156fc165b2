#!/usr/bin/env bash
# Installs what is missing, builds every target (native, bench, fuzz, x86_64,
# i686) and runs every test: the native tests directly, the fuzz targets for
# a bounded time, and the Windows tests and the end-to-end scripts that run a
# Windows program once for each Windows build, the shipped i686 one first,
# under wine 10 (scripts/wine10.sh) on a private Xvfb display. Then the
# installer: made by scripts/release.sh, installed, started and uninstalled.
# Ends with "N passed, N failed" and a non-zero exit status when anything
# failed.
#   RDZ_FUZZ_SECONDS  seconds per fuzz target (default 20)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
start=$(date +%s)

scripts/install-deps.sh || { echo "test: installing packages failed"; echo "0 passed, 1 failed"; exit 1; }
if ! scripts/build.sh all; then
  echo "test: the build failed"
  echo "0 passed, 1 failed"
  exit 1
fi

out=${RDZ_BUILD_DIR:-build}

# A build that reports success without its programs must not pass as a run
# with fewer tests.
missing=()
for p in native/bin/portable_tests native/bin/skintool bench/bin/paintbench bench/bin/bench_skinload \
         fuzz/bin/fuzz_package x86_64/bin/win32_tests.exe i686/bin/win32_tests.exe; do
  [ -e "$out/$p" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "test: the build left out ${missing[*]}"
  echo "0 passed, 1 failed"
  exit 1
fi

logs=$out/test-logs
rm -rf "$logs"; mkdir -p "$logs"
# Pictures a failing pixel test writes for a person to look at.
export RDZ_TEST_PICTURES="$logs/pictures"
passed=0
failed=0
skipped=0
# No single program may hold the run up: a hang is a failure, not a stall.
per_binary_limit=${RDZ_TEST_TIMEOUT:-600}
failures=()
skips=()

# Runs a GoogleTest binary and adds its counts; a crash counts as one failure.
run_gtest() {  # label, command...
  local label=$1; shift
  local log="$logs/$label.log"
  echo "== $label"
  timeout -k 10 "$per_binary_limit" "$@" --gtest_color=no >"$log" 2>&1
  local status=$?
  [ "$status" -eq 124 ] && echo "test: $label ran past ${per_binary_limit}s and was stopped" >>"$log"
  local p f
  p=$(grep -E '^\[  PASSED  \] [0-9]+ test' "$log" | tail -n 1 | awk '{print $4}')
  f=$(grep -E '^\[  FAILED  \] [0-9]+ test' "$log" | tail -n 1 | awk '{print $4}')
  p=${p:-0}; f=${f:-0}
  if [ "$status" -ne 0 ] && [ "$f" -eq 0 ]; then f=1; fi
  # A run counts by the runner's own summary: a wine that could not start
  # the program at all may still exit 0.
  if ! grep -qE '^\[==========\] [0-9]+ tests? from .* ran\.' "$log" && [ "$f" -eq 0 ]; then
    echo "test: $label printed no summary line" >>"$log"
    f=1
  fi
  passed=$((passed + p)); failed=$((failed + f))
  echo "   $p passed, $f failed"
  if [ "$f" -ne 0 ]; then
    failures+=("$label")
    grep -E '^\[  FAILED  \] [A-Za-z]' "$log" | sort -u | sed 's/^/   /'
    [ "$status" -ne 0 ] && tail -n 30 "$log" | sed 's/^/   | /'
  fi
}

# Counts a step that cannot run on this machine, with the reason: neither a
# pass nor a failure, and said in the closing line.
skip() {  # label, reason
  echo "== $1"
  echo "   SKIPPED: $2"
  skipped=$((skipped + 1)); skips+=("$1")
}

# Runs a program whose exit status is its one result.
run_check() {  # label, command...
  local label=$1; shift
  local log="$logs/$label.log"
  echo "== $label"
  if timeout -k 10 "$per_binary_limit" "$@" >"$log" 2>&1; then
    passed=$((passed + 1)); echo "   passed"
  else
    failed=$((failed + 1)); failures+=("$label"); echo "   FAILED"
    tail -n 30 "$log" | sed 's/^/   | /'
  fi
}

# --- native ------------------------------------------------------------------
[ -x "$out"/native/bin/portable_tests ] && run_gtest native-portable "$out"/native/bin/portable_tests

for t in "$out"/native/bin/*_tests; do
  [ -x "$t" ] || continue
  case $(basename "$t") in portable_tests) continue ;; esac
  run_gtest "native-$(basename "$t")" "$t"
done

# --- benchmarks: not timed here, only checked to hold no sanitizer runtime ---
run_check bench-clean bench/check-clean.sh "$out"/bench/bin

# --- fuzzing -----------------------------------------------------------------
# A single allocation or a resident size past 2 GB is a finding: no input may
# make the readers ask for that much.
fuzz_seconds=${RDZ_FUZZ_SECONDS:-20}
for f in "$out"/fuzz/bin/fuzz_*; do
  [ -x "$f" ] || continue
  name=$(basename "$f"); name=${name#fuzz_}
  corpus="$logs/corpus-$name"; mkdir -p "$corpus"
  seeds=()
  [ -d "tests/fuzz/corpus/$name" ] && seeds=("tests/fuzz/corpus/$name")
  run_check "fuzz-$name" "$f" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=2048 \
    -artifact_prefix="$logs/crash-$name-" "$corpus" "${seeds[@]}"
done

# --- Windows, under wine ---------------------------------------------------------
# Both builds run under wine 10; the i686 one is what ships.
export RDZ_WINE_RUNTIME=wine10
source scripts/wine-env.sh
rdz_start_xvfb || { echo "test: no Xvfb"; echo "$passed passed, $((failed + 1)) failed"; exit 1; }
trap 'rdz_stop_wine; rdz_stop_xvfb' EXIT
rdz_start_wine || { echo "test: wine 10 could not be set up"; echo "$passed passed, $((failed + 1)) failed"; exit 1; }

# The shipped build first; where wine cannot run 32-bit code, its steps are
# skipped with the reason, loudly, and never counted as passed.
i686_skip=""
if ! rdz_runs_32bit; then
  i686_skip="wine 10 cannot run 32-bit programs on this machine (its processor or hypervisor refuses 32-bit code segments)"
  echo
  echo "!! $i686_skip: the i686 programs are not run here."
  echo
fi

for arch in i686 x86_64; do
  export RDZ_ARCH=$arch
  for t in "$out/$arch"/bin/*_tests.exe; do
    [ -f "$t" ] || continue
    label="wine-$arch-$(basename "$t" .exe)"
    if [ "$arch" = i686 ] && [ -n "$i686_skip" ]; then skip "$label" "$i686_skip"; continue; fi
    run_gtest "$label" "${RDZ_WINE[@]}" "$t"
  done
done

# --- the release: installer and zip (tests/e2e/Installer.sh installs it) ---------
for arch in i686 x86_64; do
  run_check "release-$arch" scripts/release.sh "$arch"
done

# --- end to end ----------------------------------------------------------------
# A script that runs a Windows program runs once for each build.
for s in tests/e2e/*.sh; do
  [ -f "$s" ] || continue
  name=$(basename "$s" .sh)
  if grep -qE 'lib/TableWindow\.sh|scripts/wine\.sh|RDZ_ARCH' "$s"; then
    for arch in i686 x86_64; do
      export RDZ_ARCH=$arch
      if [ "$arch" = i686 ] && [ -n "$i686_skip" ]; then skip "e2e-$arch-$name" "$i686_skip"; continue; fi
      run_check "e2e-$arch-$name" bash "$s"
    done
  else
    run_check "e2e-$name" bash "$s"
  fi
done

elapsed=$(( $(date +%s) - start ))
echo
if [ ${#failures[@]} -gt 0 ]; then
  echo "Failed: ${failures[*]} (logs in $logs)"
fi
if [ ${#skips[@]} -gt 0 ]; then
  echo "Skipped: ${skips[*]}${i686_skip:+ ($i686_skip)}"
fi
echo "Total time ${elapsed}s"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
