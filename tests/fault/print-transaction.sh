#!/usr/bin/env bash
# Faults against batch prints with history: what is printed is what is kept. Killed at
# random points, starved of disk, and raced by renames and deletes, a batch leaves
# either its new complete PDF with exactly its bills in history or the old target and
# no bills; its staging files never outlive the next job.
#   print-transaction.sh PATH/TO/vellumark [KILLS]
set -uo pipefail
VM=$(realpath "$1")
KILLS=${2:-20}
ROWS=5000
T=$(mktemp -d)
chmod 755 "$T"
trap 'rm -rf "$T"' EXIT
export QT_QPA_PLATFORM=offscreen
START=$(date +%s)
FAILED=0

pass() { printf 'ok    %s\n' "$1"; }
fail() { printf 'FAIL  %s\n' "$1"; FAILED=$((FAILED + 1)); }
check() { local name=$1; shift; if "$@"; then pass "$name"; else fail "$name"; fi; }

D=$T/store
OUT=$T/out
mkdir -p "$OUT"
# Stored bills of format 批 (rows of 历史 counted per bill number).
bills() {
  printf "PRAGMA key=\"x'1005385b49d96b91c14b80a88faad71e5171fd168e4605c1e9461d71ba6cb431'\";\nSELECT count(DISTINCT ID) FROM 历史 WHERE Fmt='%s';\n" "${1:-批}" \
    | sqlcipher "$D/DATA.db" 2>/dev/null | tail -n 1
}
pages() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ {print $2}'; }
staging_left() { find "$1" -maxdepth 1 -name '.*.part' | grep -q .; }

# A format with one labelled box, mapped to the first column of a CSV of $ROWS rows.
SEP='】★【'
{
  printf '<Corvane格式专用>\r\n样本\r\n'
  printf '%s' "1${SEP}${SEP}【§单据整体格式参数§】${SEP}${SEP}10${SEP}10${SEP}100${SEP}40${SEP}${SEP}${SEP}15360"
  printf '%s' "${SEP}${SEP}${SEP}False${SEP}False${SEP}False${SEP}False${SEP}${SEP}${SEP}${SEP}${SEP}${SEP}"
  printf '\r\n%s' "2${SEP}0${SEP}名称${SEP}0${SEP}10${SEP}10${SEP}80${SEP}10${SEP}0${SEP}0${SEP}0${SEP}宋体${SEP}12"
  printf '%s' "${SEP}False${SEP}False${SEP}False${SEP}False${SEP}0${SEP}0${SEP}${SEP}${SEP}0${SEP}0${SEP}0"
  printf '\r\n[自定义内容]'
} >"$T/one.zhq"
{ echo name; seq -f 'ROW%g' 1 $ROWS; } >"$T/rows.csv"
"$VM" --data-dir "$D" import-format "$T/one.zhq" --name 批 >/dev/null 2>&1
"$VM" --data-dir "$D" import-data 批 "$T/rows.csv" --map 名称=A --rows 2-$((ROWS + 1)) --save-mapping >/dev/null 2>"$T/err"
check "setup: format and mapping stored" test $? -eq 0
# The batch command itself, never a shell function, so that $! is its process.
BATCH=("$VM" --data-dir "$D" print 批 --data "$T/rows.csv" --rows 2-$((ROWS + 1)) --pdf)

# --- kill -9 at random points -------------------------------------------------------------
t0=$(date +%s%N)
"${BATCH[@]}" "$OUT/first.pdf" >/dev/null 2>&1
run_ms=$((($(date +%s%N) - t0) / 1000000))
check "a whole batch prints its $ROWS pages" test "$(pages "$OUT/first.pdf")" = $ROWS
printf 'info  one batch of %d rows: %d ms\n' $ROWS $run_ms
torn=0 half=0 published=0 untouched=0 unkept=0
for ((i = 0; i < KILLS; i++)); do
  echo "old target $i" >"$OUT/kill.pdf"
  before=$(bills)
  "${BATCH[@]}" "$OUT/kill.pdf" >/dev/null 2>&1 &
  pid=$!
  sleep "$(awk -v r=$RANDOM -v ms=$run_ms 'BEGIN { printf "%.3f", (0.4 + 1.0 * r / 32768) * ms / 1000 }')"
  kill -9 $pid 2>/dev/null
  wait $pid 2>/dev/null
  added=$(($(bills) - before))
  if grep -qx "old target $i" "$OUT/kill.pdf"; then
    untouched=$((untouched + 1))
    [ $added -eq 0 ] || half=$((half + 1)) # bills without their PDF
  elif [ "$(pages "$OUT/kill.pdf")" = $ROWS ]; then
    published=$((published + 1))
    if [ $added -eq 0 ]; then unkept=$((unkept + 1)); elif [ $added -ne $ROWS ]; then half=$((half + 1)); fi
  else
    torn=$((torn + 1))
  fi
done
printf 'info  %d kills: %d left the old target, %d the new PDF (%d of them killed between publishing and keeping)\n' \
  "$KILLS" $untouched $published $unkept
check "killed batches: target never torn" test $torn -eq 0
check "killed batches: never bills without their PDF, never part of them" test $half -eq 0
"${BATCH[@]}" "$OUT/next.pdf" >/dev/null 2>&1
if staging_left "$OUT"; then fail "the next job removes every staging file the killed ones left"
else pass "the next job removes every staging file the killed ones left"; fi

# --- full disk during a batch ---------------------------------------------------------------
namespaces_work() { mkdir -p "$T/probe"; unshare -m bash -c "mount -t tmpfs -o size=1m none '$T/probe'" >/dev/null 2>&1; }
if [ "$(id -u)" = 0 ] && namespaces_work; then
  before=$(bills)
  export VM T D ROWS
  unshare -m bash -c '
    mkdir -p $T/small && mount -t tmpfs -o size=1m none $T/small || exit 3
    $VM --data-dir $D print 批 --data $T/rows.csv --rows 2-$((ROWS + 1)) --pdf $T/small/full.pdf >$T/out.full 2>$T/err.full
    echo $? >$T/rc.full
    ls -A $T/small >$T/ls.full
  '
  check "batch onto a full disk: fails, disk full named" \
    bash -c "[ \"\$(cat $T/rc.full)\" = 1 ] && grep -qF '磁盘空间已满' $T/err.full"
  check "batch onto a full disk: says nothing was printed" grep -qF '没有打印任何单据' "$T/err.full"
  check "batch onto a full disk: no count of printed bills claimed" bash -c "! grep -qF 已打印 $T/out.full"
  check "batch onto a full disk: nothing kept" test "$(bills)" = "$before"
  check "batch onto a full disk: no file left there" test ! -s "$T/ls.full"
  # The data folder fills while the bills are written: the PDF must not go out.
  unshare -m bash -c '
    M=$T/datafull; mkdir -p $M && mount -t tmpfs -o size=4m none $M || exit 3
    $VM --data-dir $M/store import-format $T/one.zhq --name 批 >/dev/null 2>&1
    $VM --data-dir $M/store import-data 批 $T/rows.csv --map 名称=A --rows 2-3 --save-mapping >/dev/null 2>&1
    avail=$(df --output=avail -k $M | tail -n 1)
    dd if=/dev/zero of=$M/filler bs=1k count=$((avail - 300)) status=none 2>/dev/null
    $VM --data-dir $M/store print 批 --data $T/rows.csv --rows 2-$((ROWS + 1)) --pdf $T/datafull.pdf >$T/out.dfull 2>$T/err.dfull
    echo $? >$T/rc.dfull
    rm -f $M/filler
    printf "PRAGMA key=\"x'"'"'1005385b49d96b91c14b80a88faad71e5171fd168e4605c1e9461d71ba6cb431'"'"'\";\nSELECT count(*) FROM 历史;\n" | sqlcipher $M/store/DATA.db 2>/dev/null | tail -n 1 >$T/bills.dfull
  '
  check "data folder full during a batch: fails, says nothing was printed" \
    bash -c "[ \"\$(cat $T/rc.dfull)\" = 1 ] && grep -qF '磁盘空间已满' $T/err.dfull && grep -qF '没有打印任何单据' $T/err.dfull"
  check "data folder full during a batch: no PDF, no bills" \
    bash -c "[ ! -e $T/datafull.pdf ] && [ \"\$(cat $T/bills.dfull)\" = 0 ]"
else
  printf 'skip  batch onto a full disk, data folder full (needs root and mount namespaces)\n'
fi

# --- rename and delete while a batch prints -------------------------------------------------
before=$(bills)
"${BATCH[@]}" "$OUT/raced.pdf" >"$T/out.race" 2>"$T/err.race" &
pid=$!
for ((w = 0; w < 200; w++)); do staging_left "$OUT" && break; sleep 0.05; done
"$VM" --data-dir "$D" rename-format 批 新批 >/dev/null 2>"$T/err.rename"; rename_rc=$?
"$VM" --data-dir "$D" delete-format 批 >/dev/null 2>"$T/err.delete"; delete_rc=$?
wait $pid; batch_rc=$?
check "rename while printing: refused with the reason" \
  bash -c "[ $rename_rc -eq 1 ] && grep -qF '格式“批”正在打印，请稍后再改名' '$T/err.rename'"
check "delete while printing: refused with the reason" \
  bash -c "[ $delete_rc -eq 1 ] && grep -qF '格式“批”正在打印，请稍后再删除' '$T/err.delete'"
added=$(($(bills) - before))
check "the raced batch completes, its bills under its name" bash -c "[ $batch_rc -eq 0 ] && [ $added -eq $ROWS ]"
check "the raced batch printed its rows, not blank pages" \
  bash -c "pdftotext -f $ROWS -l $ROWS '$OUT/raced.pdf' - | grep -qx 'ROW$ROWS'"
total=$(bills)
"$VM" --data-dir "$D" rename-format 批 新批 >/dev/null 2>&1; rename_rc=$?
check "after the batch the rename goes through, bills and all" \
  bash -c "[ $rename_rc -eq 0 ] && [ '$(bills 新批)' = '$total' ] && [ '$(bills 批)' = 0 ]"

# A batch that starts while a rename is under way waits for it, then finds the name gone:
# it prints nothing and keeps nothing, never pages or bills under the old name. The
# rename is held up by another process keeping the store's write lock.
KEY="PRAGMA key=\"x'1005385b49d96b91c14b80a88faad71e5171fd168e4605c1e9461d71ba6cb431'\";"
( printf '%s\nBEGIN IMMEDIATE;\nINSERT INTO 参数(Var, Con) VALUES(%s, %s);\n' "$KEY" "'lock'" "'held'"
  for ((w = 0; w < 300; w++)); do [ -e "$T/release" ] && break; sleep 0.1; done
  printf 'ROLLBACK;\n' ) 2>/dev/null | sqlcipher "$D/DATA.db" >/dev/null 2>&1 &
holder=$!
sleep 0.5
total=$(bills 新批)
"$VM" --data-dir "$D" rename-format 新批 又批 >/dev/null 2>"$T/err.slowrename" &
renamer=$!
# The rename holds the format once it says it waits for the store.
for ((w = 0; w < 100; w++)); do grep -qF '数据库正忙' "$T/err.slowrename" && break; sleep 0.1; done
"$VM" --data-dir "$D" print 新批 --data "$T/rows.csv" --rows 2-$((ROWS + 1)) --pdf "$OUT/late.pdf" \
  >"$T/out.late" 2>"$T/err.late" &
late=$!
sleep 1
check "a batch started during a rename waits for it" kill -0 $late
touch "$T/release"
wait $holder; wait $renamer; rename_rc=$?; wait $late; late_rc=$?
check "the rename it waited for goes through" test $rename_rc -eq 0
check "then the batch finds the name gone: exit 1, says so, no PDF" \
  bash -c "[ $late_rc -eq 1 ] && grep -qF '格式：“新批”不存在' '$T/err.late' && [ ! -e '$OUT/late.pdf' ]"
check "and no bill is added under the old name or the new" \
  bash -c "[ '$(bills 新批)' = 0 ] && [ '$(bills 又批)' = '$total' ]"

printf '%d failed, %d s\n' $FAILED $(($(date +%s) - START))
[ $FAILED -eq 0 ]
