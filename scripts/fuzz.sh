#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer (installing clang from Debian when missing) and
# runs a campaign, one target after another, at the lowest CPU priority.
#
#   scripts/fuzz.sh [--runs N] [--seconds S] [--max-len B] [target...]
#
# Each target runs until N executions (default 10,000,000) or S seconds
# (default: no limit), whichever comes first. Inputs are at most B bytes
# (default 4096); the line-based targets (drawline, csvimport) slow down as
# their corpus fills with 4 KB answers, and 1024 bytes still hold 25 lines. Targets: drawfile tipfile
# weightlist textlines languagefiles settings drawline csvimport (default: all). The seed corpus
# is tools/fuzz/corpus/<target>/; new coverage goes to build/fuzz/work/<target>/.
# An input that makes a target crash, hang, leak or break a check is copied
# into the seed corpus, so the test command replays it from then on; the
# script then exits non-zero. Logs are in build/fuzz/logs/. A hang is an
# input that runs for a minute: the timeout counts wall time, and at the
# lowest priority on a busy machine a normal input can be held up for seconds.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=10000000
seconds=0
max_len=4096
targets=()
while [[ $# -gt 0 ]]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --seconds) seconds="$2"; shift 2 ;;
    --max-len) max_len="$2"; shift 2 ;;
    -*) echo "unknown option: $1" >&2; exit 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
[[ ${#targets[@]} -gt 0 ]] || targets=(drawfile tipfile weightlist textlines languagefiles settings drawline csvimport)

scripts/install-deps.sh --with-fuzz
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${targets[@]/#/fuzz_}"

# A small quarantine, short allocation stacks and no release of freed memory
# to the system: the sanitizer's allocator otherwise costs more than the code
# under test (about 2.5 times the executions a second); a failing input is
# replayed through the test build for the full report.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:quarantine_size_mb=8:max_malloc_fill_size=0:malloc_context_size=4:allocator_release_to_os_interval_ms=-1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
mkdir -p build/fuzz/logs build/fuzz/artifacts
summary=()
failed=0
for target in "${targets[@]}"; do
  work="build/fuzz/work/$target"
  corpus="tools/fuzz/corpus/$target"
  log="build/fuzz/logs/$target.log"
  mkdir -p "$work"
  status=0
  nice -n 19 "build/fuzz/fuzz/fuzz_$target" "$work" "$corpus" \
    -runs="$runs" -max_total_time="$seconds" -max_len="$max_len" -timeout=60 -rss_limit_mb=2048 \
    -artifact_prefix="build/fuzz/artifacts/$target-" -print_final_stats=1 >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  seconds_used=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  found=$(ls build/fuzz/artifacts/"$target"-* 2>/dev/null || true)
  if [[ -n "$found" ]]; then
    for artifact in $found; do
      cp "$artifact" "$corpus/failed-$(basename "$artifact" | sed "s/^$target-//")"
    done
  fi
  if [[ $status -ne 0 ]]; then
    failed=1
    summary+=("$target: FAILED after ${executions:-?} executions (exit $status), see $log")
  else
    summary+=("$target: ${executions:-?} executions${seconds_used:+ in ${seconds_used} s}, no failure")
  fi
  echo "${summary[-1]}"
done

echo
echo "Campaign summary:"
printf '  %s\n' "${summary[@]}"
exit $failed
