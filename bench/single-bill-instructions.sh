#!/usr/bin/env bash
# The instructions one printed bill runs in user space, against its floor (bench_pdf_floor,
# see single-bill.sh), counted by valgrind's callgrind. Unlike elapsed or CPU time the
# count hardly moves between runs or with the machine's load, so it shows what a change
# to the print's work saves; the kernel's share (page faults, system calls, flushes to
# disk) is not in it, so single-bill.sh stays the measure of the target.
#   bench/single-bill-instructions.sh [BUILD_DIR]     (BUILD_DIR defaults to build-bench)
# Also writes the profiles (callgrind.bill, callgrind.floor, callgrind.floor-words) into
# the current folder for callgrind_annotate.
set -euo pipefail
build=${1:-build-bench}
vm="$build/vellumark"
floor="$build/bench/print/bench_pdf_floor"
for program in "$vm" "$floor"; do
  [[ -x $program ]] || { echo "missing $program (build it first)" >&2; exit 1; }
done
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
"$vm" --data-dir "$work/data" create-samples >/dev/null
format=示例-银行进账单
set_values=(--set 收款人=上海样张贸易有限公司 --set 金额=12345.60 --set 用途=货款)
# One bill before the counted one, as single-bill.sh warms the store and the font cache.
"$vm" --data-dir "$work/data" print "$format" "${set_values[@]}" --pdf "$work/warm.pdf" >/dev/null
"$floor" "$work/warm-floor.pdf"

# Millions of instructions of one run of the command given, its profile kept in $1.
instructions() {
  local out=$1
  shift
  valgrind --tool=callgrind --callgrind-out-file="$out" "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
  awk '/^summary:/ { printf "%.1f\n", $2 / 1e6 }' "$out"
}
# The bill's words for the floor's reference page, as single-bill.sh reads them.
pdftotext -bbox "$work/warm.pdf" - |
  sed -n 's/.*yMin="\([0-9.]*\)".*yMax="\([0-9.]*\)">\(.*\)<\/word>/\1 \2 \3/p' |
  awk '{ printf "%.1f\t%s\n", $2 - $1, $3 }' >"$work/words.txt"
bill=$(instructions callgrind.bill "$vm" --data-dir "$work/data" print "$format" "${set_values[@]}" --pdf "$work/bill.pdf")
floorCount=$(instructions callgrind.floor "$floor" "$work/floor.pdf")
wordsCount=$(instructions callgrind.floor-words "$floor" "$work/floor-words.pdf" "$work/words.txt")
printf '%-40s %8.1f M instructions\n' "vellumark print (one bill, PDF)" "$bill" "floor: one PDF page of CJK text" "$floorCount" \
  "reference: floor with the bill's words" "$wordsCount"
awk -v b="$bill" -v f="$floorCount" -v w="$wordsCount" 'BEGIN {
  printf "single bill / floor, instructions: %.2f (reference)\n", b / f
  printf "single bill / floor with the bill'"'"'s words, instructions: %.2f (reference)\n", b / w }'
