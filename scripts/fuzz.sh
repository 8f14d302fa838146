#!/usr/bin/env bash
# Runs the fuzz targets: scripts/fuzz.sh <folder of the fuzz_* programs> [target|all] [seconds]
# Each target runs over its seeds (tests/fuzz/corpus/<target>) and the inputs of past faults
# (tests/fuzz/crashes/<target>), then on fresh inputs until `seconds` are up. Inputs that reach new code
# are kept in build/fuzz/corpus/<target>. An input that crashes, hangs (over 5 s), leaks or writes
# outside its folders is kept in tests/fuzz/crashes/<target>/ and fails the run.
set -uo pipefail
bin=$1
which=${2:-all}
seconds=${3:-20}
root=$(cd "$(dirname "$0")/.." && pwd)
export QT_QPA_PLATFORM=offscreen
# Every input makes and removes a folder tree of files: in memory that is ten times faster than on disk.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# The targets run side by side, one per core: each is single-threaded.
jobs=$(nproc 2>/dev/null || echo 2)
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

# Runs one target and leaves its summary line (and its failure lines) in $results/<target>.
run_target() {
  local prog=$1 t=$2
  local work=$root/build/fuzz/corpus/$t crashes=$root/tests/fuzz/crashes/$t log=$root/build/fuzz/$t.log
  mkdir -p "$work" "$crashes"
  "$prog" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2560 -max_len=65536 -print_final_stats=1 \
    -artifact_prefix="$crashes/" "$work" "$root/tests/fuzz/corpus/$t" "$crashes" >"$log" 2>&1
  local rc=$?
  local runs speed cov
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  echo "fuzz $t: ${runs:-?} inputs, ${speed:-?} per second, ${cov:-?} edges" >"$results/$t"
  if [ $rc -ne 0 ]; then
    {
      echo "fuzz $t FAILED (exit $rc); the input is kept in tests/fuzz/crashes/$t/, the log is $log"
      grep -E '^(==[0-9]+==ERROR|SUMMARY|fuzz:|.*runtime error)' "$log" | head -5
    } >"$results/$t.failed"
  fi
}

targets=()
for prog in "$bin"/fuzz_*; do
  [ -f "$prog" ] && [ -x "$prog" ] || continue
  t=${prog##*/fuzz_}
  [ "$which" = all ] || [ "$which" = "$t" ] || continue
  targets+=("$t")
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n; done
  run_target "$prog" "$t" &
done
wait
if [ ${#targets[@]} -eq 0 ]; then
  echo "fuzz: no target named $which in $bin" >&2
  exit 2
fi
status=0
for t in "${targets[@]}"; do
  cat "$results/$t"
  if [ -f "$results/$t.failed" ]; then
    status=1
    cat "$results/$t.failed" >&2
  fi
done
exit $status
