#!/usr/bin/env bash
# Peak memory of `vellumark history FORMAT --csv` over a format with many bills, against
# the same command listing one bill (the program's own start).
#   bench/history-csv.sh [BUILD_DIR] [BILLS]   (defaults: build-bench, 1000000)
set -euo pipefail
build=${1:-build-bench}
bills=${2:-1000000}
vm="$build/vellumark"
maker="$build/bench/records/bench_make_history_store"
for program in "$vm" "$maker"; do
  [[ -x $program ]] || { echo "missing $program (build it first)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
start=$EPOCHREALTIME
"$maker" "$work/data" "$bills"
echo "store of $bills bills made in $(( (${EPOCHREALTIME/./} - ${start/./}) / 1000000 )) s"

# The first command of the day takes the daily backup: done before measuring.
"$vm" --data-dir "$work/data" formats >/dev/null

# Peak resident memory in MB of a run, its output thrown away.
peak() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1 | awk '{ printf "%.1f", $1 / 1024 }'; }
one=$(peak "$vm" --data-dir "$work/data" history 出库单 --limit 1 --csv)
start=$EPOCHREALTIME
all=$(peak "$vm" --data-dir "$work/data" history 出库单 --csv)
ms=$(( (${EPOCHREALTIME/./} - ${start/./}) / 1000 ))
lines=$("$vm" --data-dir "$work/data" history 出库单 --csv | wc -l)
echo "history --csv, one bill:        peak $one MB"
echo "history --csv, all $bills bills: peak $all MB, $lines lines in $ms ms"
awk -v a="$all" -v o="$one" 'BEGIN { printf "above the program'"'"'s own start: %.1f MB (target at most 20)\n", a - o }'
