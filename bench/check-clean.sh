#!/usr/bin/env bash
# Checks that the native benchmarks of a build tree hold no sanitizer
# runtime, which would slow the memcpy they measure against: each must pass
# its own start-up check ("--check"), and must refuse to run when a runtime
# is slipped in through LD_PRELOAD, so that the check is known to look.
# Takes seconds: nothing is measured.
# Usage: bench/check-clean.sh BIN_FOLDER   (e.g. build/bench/bin)
set -uo pipefail
bin=${1:?usage: check-clean.sh BIN_FOLDER}
sanitized_status=3  # BenchSanitizedStatus in bench/common/BenchmarkStart.h
ubsan=$(gcc -print-file-name=libubsan.so)
failed=0
fail() { echo "check-clean: $*"; failed=1; }

[ -f "$ubsan" ] || fail "no libubsan.so beside gcc to try the check with"
for name in paintbench bench_skinload; do
  program=$bin/$name
  if [ ! -x "$program" ]; then fail "$program is missing (scripts/build.sh bench)"; continue; fi
  "$program" --check || fail "$name has a sanitizer runtime in its process"
  [ -f "$ubsan" ] || continue
  refusal=$(LD_PRELOAD=$ubsan "$program" --check 2>&1 >/dev/null)
  status=$?
  if [ "$status" -ne "$sanitized_status" ] || [[ $refusal != *"sanitizer runtime"* ]]; then
    fail "$name did not refuse to run with $ubsan loaded (exit status $status)"
  else
    echo "with $(basename "$ubsan") preloaded: $refusal"
  fi
done
exit "$failed"
