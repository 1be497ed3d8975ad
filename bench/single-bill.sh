#!/usr/bin/env bash
# One bill printed to a PDF file by a whole `vellumark print` process, against its floor:
# bench_pdf_floor, which only starts Qt, loads a CJK font and writes one PDF page of
# Chinese text. Also `vellumark formats` against Qt's own empty start: an empty
# QGuiApplication on the offscreen platform (bench_pdf_floor --empty-gui), the start every
# Qt program that draws pays before its first line of work, and what a command run
# without a display starts. The bare QCoreApplication start (--empty) is printed beside it
# for reference. The programs run interleaved, one after the other, so a busy machine
# slows all alike. Also for reference, the floor drawing the bill's own words (from the
# printed bill's text layer, each at a size that differs as the bill's sizes differ):
# the same characters embedded from the same number of font sizes, so the ratio to it
# leaves out what the bill's page holds beyond the floor's two lines.
#   bench/single-bill.sh [BUILD_DIR] [RUNS]     (BUILD_DIR defaults to build-bench)
# Prints the median and the fastest run of each, and the ratios of the medians; for the
# bill and its floor also their CPU time, which a busy machine disturbs less than the
# elapsed time (the bill waits for its flushes to the disk, the floor makes none).
set -euo pipefail
build=${1:-build-bench}
runs=${2:-40}
vm="$build/vellumark"
floor="$build/bench/print/bench_pdf_floor"
for program in "$vm" "$floor"; do
  [[ -x $program ]] || { echo "missing $program (build it first)" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
data="$work/data"
"$vm" --data-dir "$data" create-samples >/dev/null
format=示例-银行进账单
set_values=(--set 收款人=上海样张贸易有限公司 --set 金额=12345.60 --set 用途=货款)

# Milliseconds of one run of the command given.
elapsed() {
  local start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
  local end=$EPOCHREALTIME
  echo "$(( (${end/./} - ${start/./}) / 10 ))" # hundredths of a millisecond
}

# "elapsed cpu" of one run, both in hundredths of a millisecond: the process's own CPU
# time (user and system, to the millisecond) is what other programs' load disturbs least.
elapsed_and_cpu() {
  local TIMEFORMAT='%3U %3S' start=$EPOCHREALTIME times user system
  times=$( { time "$@" >/dev/null 2>&1; } 2>&1 ) || { echo "failed: $*" >&2; exit 1; }
  local end=$EPOCHREALTIME
  read -r user system <<<"$times"
  echo "$(( (${end/./} - ${start/./}) / 10 )) $(( (10#${user/./} + 10#${system/./}) * 100 ))"
}

declare -a bill floorPdf floorWords formats emptyGui empty billCpu floorCpu
for ((i = 0; i < 3; ++i)); do # warm the page cache and the font cache
  "$vm" --data-dir "$data" print "$format" "${set_values[@]}" --pdf "$work/warm.pdf" >/dev/null
  "$floor" "$work/floor.pdf"
done
# "SIZE<TAB>WORD" per word of the bill; a word's box height stands for its size.
pdftotext -bbox "$work/warm.pdf" - |
  sed -n 's/.*yMin="\([0-9.]*\)".*yMax="\([0-9.]*\)">\(.*\)<\/word>/\1 \2 \3/p' |
  awk '{ printf "%.1f\t%s\n", $2 - $1, $3 }' >"$work/words.txt"
[[ -s $work/words.txt ]] || { echo "no text read from the bill" >&2; exit 1; }
for ((i = 0; i < runs; ++i)); do
  read -r wall cpu < <(elapsed_and_cpu "$vm" --data-dir "$data" print "$format" "${set_values[@]}" --pdf "$work/bill.pdf")
  [[ -n $cpu ]] || exit 1 # the run failed, as said above
  bill+=("$wall") billCpu+=("$cpu")
  read -r wall cpu < <(elapsed_and_cpu "$floor" "$work/floor.pdf")
  [[ -n $cpu ]] || exit 1
  floorPdf+=("$wall") floorCpu+=("$cpu")
  floorWords+=("$(elapsed "$floor" "$work/floor-words.pdf" "$work/words.txt")")
  formats+=("$(elapsed "$vm" --data-dir "$data" formats)")
  emptyGui+=("$(elapsed "$floor" --empty-gui)")
  empty+=("$(elapsed "$floor" --empty)")
done

# "median fastest" of hundredths of a millisecond, printed in milliseconds.
summary() {
  sort -n | awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2;
                                       printf "%.1f %.1f\n", m / 100, v[1] / 100 }'
}
read -r billMedian billFastest < <(printf '%s\n' "${bill[@]}" | summary)
read -r floorMedian floorFastest < <(printf '%s\n' "${floorPdf[@]}" | summary)
read -r wordsMedian wordsFastest < <(printf '%s\n' "${floorWords[@]}" | summary)
read -r formatsMedian formatsFastest < <(printf '%s\n' "${formats[@]}" | summary)
read -r emptyGuiMedian emptyGuiFastest < <(printf '%s\n' "${emptyGui[@]}" | summary)
read -r emptyMedian emptyFastest < <(printf '%s\n' "${empty[@]}" | summary)
read -r billCpuMedian billCpuFastest < <(printf '%s\n' "${billCpu[@]}" | summary)
read -r floorCpuMedian floorCpuFastest < <(printf '%s\n' "${floorCpu[@]}" | summary)
echo "runs: $runs each, interleaved; format: $format"
printf '%-40s median %6.1f ms  fastest %6.1f ms\n' "vellumark print (one bill, PDF)" "$billMedian" "$billFastest" \
  "floor: one PDF page of CJK text" "$floorMedian" "$floorFastest" \
  "reference: floor with the bill's words" "$wordsMedian" "$wordsFastest" \
  "vellumark formats" "$formatsMedian" "$formatsFastest" \
  "floor: Qt's empty start (Gui)" "$emptyGuiMedian" "$emptyGuiFastest" \
  "reference: empty QCoreApplication" "$emptyMedian" "$emptyFastest" \
  "CPU time: vellumark print" "$billCpuMedian" "$billCpuFastest" \
  "CPU time: floor" "$floorCpuMedian" "$floorCpuFastest"
awk -v b="$billMedian" -v f="$floorMedian" -v w="$wordsMedian" -v l="$formatsMedian" -v g="$emptyGuiMedian" -v e="$emptyMedian" \
    -v bc="$billCpuMedian" -v fc="$floorCpuMedian" \
  'BEGIN { printf "single bill / floor: %.2f (target at most 1.3)\n", b / f
           printf "single bill / floor, CPU time: %.2f (reference)\n", bc / fc
           printf "single bill / floor with the bill'"'"'s words: %.2f (reference)\n", b / w
           printf "formats / Qt empty start (Gui): %.2f (target at most 1.0)\n", l / g
           printf "formats / empty QCoreApplication: %.2f (reference)\n", l / e }'
