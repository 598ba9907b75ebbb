#!/usr/bin/env bash
# paint-instructions.sh BENCH [TIMES]: the instructions of one month's painting with the shipped
# saints and without, counted by callgrind, so the ratio does not move with the machine's load.
set -euo pipefail
bench=$1 times=${2:-100}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$out" --collect-atstart=no \
  --toggle-collect='*PaintTimes<false>*' --toggle-collect='*PaintTimes<true>*' "$bench" --paint-times="$times" 2>/dev/null
callgrind_annotate --inclusive=yes "$out" 2>/dev/null | tr -d , | awk -v n="$times" '
  /PaintTimes<false>\(/ { without = $1 / n }
  /PaintTimes<true>\(/ { with = $1 / n }
  END {
    if (!without || !with) { print "paint-instructions: no count found" > "/dev/stderr"; exit 1 }
    printf "instructions per painting: %.0f without saints, %.0f with; ratio %.3f\n", without, with, with / without
  }'
