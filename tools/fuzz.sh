#!/usr/bin/env bash
# fuzz.sh TARGET CORPUS SECONDS MAX_LEN: fuzzes from a copy of the kept corpus, then merges back
# only the inputs that reach new code, so the kept corpus stays small. FUZZ_JOBS=N fuzzes in N
# processes. Allocation stacks are not recorded: a report still names the faulting access, and
# the run is twice as fast.
set -euo pipefail
target=$1 corpus=$2 seconds=$3 maxlen=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/grown" "$corpus"
cp "$corpus"/* "$work/grown"/ 2>/dev/null || true
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0}
jobs=${FUZZ_JOBS:-1}
mode=(-print_final_stats=1)
[ "$jobs" -le 1 ] || mode=(-fork="$jobs")
"$target" -max_total_time="$seconds" -max_len="$maxlen" "${mode[@]}" "$work/grown" 2>&1 |
  grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss|Done)|cov:' | tail -n 4
"$target" -merge=1 -max_len="$maxlen" "$corpus" "$work/grown" 2>&1 | grep -E 'MERGE-OUTER: [0-9]+ new files' || true
echo "$(basename "$target"): no crash, leak or sanitizer report; corpus $(ls "$corpus" | wc -l) files"
