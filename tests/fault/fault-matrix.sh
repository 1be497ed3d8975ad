#!/usr/bin/env bash
# Fault injection against the built program: damaged and unusable data folders, full
# disks, processes racing and waiting for each other, hostile format files, killed
# prints and bad arguments. Every case must end in the program's clear message and
# exit code, with nothing lost or half-stored.
#   fault-matrix.sh PATH/TO/vellumark
set -uo pipefail
VM=$(realpath "$1")
T=$(mktemp -d)
chmod 755 "$T"
trap 'rm -rf "$T"' EXIT
export QT_QPA_PLATFORM=offscreen
START=$(date +%s)
FAILED=0
NOBODY=65534

pass() { printf 'ok    %s\n' "$1"; }
fail() { printf 'FAIL  %s\n' "$1"; FAILED=$((FAILED + 1)); }
skip() { printf 'skip  %s (%s)\n' "$1" "$2"; }
check() { local name=$1; shift; if "$@"; then pass "$name"; else fail "$name"; fi; }

# vm DIR ARGS...: runs the program on a data folder; output in $T/out, $T/err, code in RC.
vm() { local dir=$1; shift; "$VM" --data-dir "$dir" "$@" >"$T/out" 2>"$T/err"; RC=$?; }
err_has() { grep -qF -- "$1" "$T/err"; }
out_has() { grep -qF -- "$1" "$T/out"; }
formats_count() { "$VM" --data-dir "$1" formats 2>/dev/null | wc -l; }

# Runs a command as an ordinary user (file permissions do not bind root).
as_user() { if [ "$(id -u)" = 0 ]; then setpriv --reuid=$NOBODY --regid=$NOBODY --clear-groups "$@"; else "$@"; fi; }
give() { if [ "$(id -u)" = 0 ]; then chown -R $NOBODY:$NOBODY "$@"; fi; }
# Runs a shell script in a mount namespace of its own (root inside), for tmpfs mounts.
in_namespace() {
  if [ "$(id -u)" = 0 ]; then unshare -m bash -c "$1"; else unshare -rm bash -c "$1"; fi
}
namespaces_work() { mkdir -p "$T/probe"; in_namespace "mount -t tmpfs -o size=1m none '$T/probe'" >/dev/null 2>&1; }

# Format files. format_file PATH BOXES [MEM] [PAGE_W] [FONT] [BOX_X] [OFFSET_X]
SEP='】★【'
join() { local IFS=$'\x01'; local s="$*"; printf '%s' "${s//$'\x01'/$SEP}"; }
format_file() {
  local path=$1 boxes=$2 mem=${3:-} width=${4:-210} font=${5:-12} x=${6:-10} offset=${7:-10}
  {
    printf '<Corvane格式专用>\r\n样本\r\n'
    join 1 '' '【§单据整体格式参数§】' '' "$offset" 10 "$width" 99 '' '' 15360 '' '' False False False False '' '' '' '' '' ''
    local i label
    for ((i = 0; i < boxes; i++)); do
      printf '\r\n'
      # A box with a fixed text has no label: the text is what it prints.
      label="框$i"; [ -z "$mem" ] || label=
      join $((i + 2)) 0 "$label" 0 "$x" $((10 + i % 80)) 50 8 0 0 0 宋体 "$font" False False False False 103 0
      printf '%s%s%s' "$SEP" "$mem" "$SEP"
      join 0 0 0
    done
    printf '\r\n[自定义内容]'
  } >"$path"
}
SMALL=$T/small.zhq; format_file "$SMALL" 5
LARGE=$T/large.zhq; format_file "$LARGE" 1500

# --- A write lock held past the wait (started now, checked at the end) ----------------------
# Another process keeps the store's write lock longer than a command waits for it (60 s);
# the command that was asked to keep a mapping must fail with the reason, not succeed
# without it. Both run beside the rest of the matrix.
WAIT_S=60
L=$T/locked
"$VM" --data-dir "$L" import-format "$SMALL" --name 甲 >/dev/null 2>&1
printf 'name\nAlpha\nBravo\n' >"$T/locked.csv"
( printf "PRAGMA key=\"x'1005385b49d96b91c14b80a88faad71e5171fd168e4605c1e9461d71ba6cb431'\";\nBEGIN IMMEDIATE;\nINSERT INTO 参数(Var, Con) VALUES('lock', 'held');\n"
  # Held until the waiting command has ended (at most its wait and half a minute more).
  for ((i = 0; i < (WAIT_S + 30) * 5; i++)); do [ -e "$T/rc.locked" ] && break; sleep 0.2; done
  printf "ROLLBACK;\n" ) 2>/dev/null | sqlcipher "$L/DATA.db" >/dev/null 2>&1 &
lock_holder=$!
sleep 1
( t0=$(date +%s)
  "$VM" --data-dir "$L" import-data 甲 "$T/locked.csv" --map 框0=A --rows 2-3 --save-mapping \
    >"$T/out.locked" 2>"$T/err.locked"
  echo $? >"$T/rc.locked"; echo $(($(date +%s) - t0)) >"$T/s.locked" ) &
lock_waiter=$!

# --- Damaged store: reported (message, exit code) and left byte for byte ----------------
D=$T/damaged
for i in 1 2 3; do "$VM" --data-dir "$D" import-format "$LARGE" --name "大$i" >/dev/null 2>&1; done
size=$(stat -c %s "$D/DATA.db")
dd if=/dev/urandom of="$D/DATA.db" bs=1 count=4096 seek=$((size / 2)) conv=notrunc status=none
before=$(sha256sum <"$D/DATA.db")
vm "$D" formats
check "damaged store: formats fails and says damaged" test $RC -ne 0 -a -s "$T/err"
check "damaged store: message names the damage" err_has "已损坏"
vm "$D" import-format "$SMALL" --name 新
check "damaged store: import refused" test $RC -ne 0
check "damaged store: file untouched" test "$(sha256sum <"$D/DATA.db")" = "$before"

# --- Daily backup, then restore-backup --------------------------------------------------
B=$T/backup
"$VM" --data-dir "$B" import-format "$SMALL" --name 甲 >/dev/null 2>&1
"$VM" --data-dir "$B" formats >/dev/null 2>&1 # the first start after creation backs up
check "backup: today's copy exists" test -f "$B/Backup/DATA-$(date +%Y%m%d).db"
dd if=/dev/urandom of="$B/DATA.db" bs=4096 count=1 conv=notrunc status=none
vm "$B" formats
check "backup: damage reported" test $RC -ne 0
vm "$B" restore-backup
check "backup: restore-backup succeeds" test $RC -eq 0
vm "$B" formats
check "backup: formats back after restore" out_has 甲

# --- Hostile import files and backups, each run with its heap capped at 300 MB -----------
CAP_MB=300
capped() { prlimit --data=$((CAP_MB * 1024 * 1024)) "$@"; }
# vmc DIR ARGS...: vm under the cap.
vmc() { local dir=$1; shift; capped "$VM" --data-dir "$dir" "$@" >"$T/out" 2>"$T/err"; RC=$?; }
le32() {
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)))"
}
# A binary workbook of 109 sectors of 4 KB, all of them sector tables full of zeros:
# every sector chain runs from sector 0 back to itself.
looping_xls() {
  {
    printf '\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1'; head -c 16 /dev/zero
    printf '\x3E\x00\x04\x00\xFE\xFF\x0C\x00\x06\x00'; head -c 10 /dev/zero
    le32 109; le32 0; le32 0; le32 4096; le32 4294967294; le32 0; le32 4294967294; le32 0
    local i; for ((i = 0; i < 109; i++)); do le32 $i; done
    head -c $((4096 - 512)) /dev/zero
    head -c $((4096 * 109)) /dev/zero
  } >"$1"
}
I=$T/import
"$VM" --data-dir "$I" import-format "$SMALL" --name 甲 >/dev/null 2>&1
looping_xls "$T/loop.xls"
vmc "$I" import-data 甲 "$T/loop.xls" --map 框0=A
check "looping .xls sector chain: refused under the cap" bash -c "[ $RC -eq 1 ] && grep -qF '文件类型不对' '$T/err'"
awk 'BEGIN { for (i = 1; i <= 1000000; i++) printf "R%d,张三李四,12345.67,备注\n", i }' >"$T/million.csv"
vmc "$I" import-data 甲 "$T/million.csv" --map 框0=A --rows 1-30000
check "1 000 000-row CSV, --rows 1-30000: imported under the cap" \
  bash -c "[ $RC -eq 0 ] && [ \$(wc -l <'$T/out') -eq 30001 ] && grep -q '^R30000,' '$T/out'"
head -c 200M /dev/zero | tr '\0' a >"$T/oneline.csv"
vmc "$I" import-data 甲 "$T/oneline.csv" --map 框0=A
check "200 MB one-line CSV: refused under the cap" bash -c "[ $RC -eq 1 ] && grep -qF '字符，无法导入' '$T/err'"
rm -f "$T/million.csv" "$T/oneline.csv"

# restore-backup refuses what is no store of this program and never writes to it.
expect_unusable_backup() { # NAME FILE
  local before; before=$(sha256sum <"$2")
  vmc "$I" restore-backup "$2"
  check "restore from $1: refused" bash -c "[ $RC -eq 1 ] && grep -qF '无法使用' '$T/err'"
  check "restore from $1: file not written" test "$(sha256sum <"$2")" = "$before"
  check "restore from $1: formats still there" bash -c "'$VM' --data-dir '$I' formats 2>/dev/null | grep -qF 甲"
}
: >"$T/zero.db"; expect_unusable_backup "a 0-byte file" "$T/zero.db"
printf "PRAGMA key=\"x'1005385b49d96b91c14b80a88faad71e5171fd168e4605c1e9461d71ba6cb431'\";\nCREATE TABLE 客户(名称 TEXT);\nINSERT INTO 客户 VALUES('x');\n" | sqlcipher "$T/other.db" >/dev/null
expect_unusable_backup "another keyed database" "$T/other.db"
printf "PRAGMA key=\"x'1005385b49d96b91c14b80a88faad71e5171fd168e4605c1e9461d71ba6cb431'\";\nCREATE TABLE t(a);\nDROP TABLE t;\n" | sqlcipher "$T/empty.db" >/dev/null
expect_unusable_backup "an empty keyed database" "$T/empty.db"

# --- Unusable data folders ----------------------------------------------------------------
touch "$T/plain"
vm "$T/plain" formats
check "data folder is a file: named with reason, exit 1" \
  bash -c "[ $RC -eq 1 ] && grep -qF '数据文件夹“$T/plain”无法使用：这是一个文件，不是文件夹' '$T/err'"
R=$T/readonly
mkdir -p "$R"; give "$R"; as_user "$VM" --data-dir "$R" import-format "$SMALL" --name 甲 >/dev/null 2>&1
chmod 555 "$R"
as_user "$VM" --data-dir "$R" formats >"$T/out" 2>"$T/err"; RC=$?
check "unwritable folder: named with reason, exit 1" bash -c "[ $RC -eq 1 ] && grep -qF '没有写入权限' '$T/err'"
chmod 755 "$R"
# A side file left read-only must not keep the store closed once access is back.
as_user "$VM" --data-dir "$R" formats >/dev/null 2>&1
head -c 32768 /dev/zero >"$R/DATA.db-shm"; give "$R"; chmod 444 "$R/DATA.db-shm"
as_user "$VM" --data-dir "$R" formats >"$T/out" 2>"$T/err"; RC=$?
check "read-only index left behind: recovered" bash -c "[ $RC -eq 0 ] && grep -qF 甲 '$T/out'"

if namespaces_work; then
  export VM T SMALL
  in_namespace '
    M=$T/mnt; mkdir -p $M; mount -t tmpfs -o size=1m none $M || exit 3
    mkdir $M/store
    $VM --data-dir $M/store import-format $SMALL --name 甲 >/dev/null 2>&1 || exit 4
    mount -o remount,ro $M
    $VM --data-dir $M/store formats >/dev/null 2>$T/err.ro; echo $? >$T/rc.ro
    mount -o remount,rw $M
    dd if=/dev/zero of=$M/filler bs=64k status=none 2>/dev/null
    $VM --data-dir $M/fresh formats >/dev/null 2>$T/err.full; echo $? >$T/rc.full
    $VM --data-dir $T/pdfstore import-format $SMALL --name 甲 >/dev/null 2>&1
    $VM --data-dir $T/pdfstore print 甲 --pdf $M/out.pdf >/dev/null 2>$T/err.pdf; echo $? >$T/rc.pdf
    ls -A $M >$T/ls.pdf
  '
  check "read-only file system: named with reason" \
    bash -c "[ \"\$(cat $T/rc.ro)\" = 1 ] && grep -qF '文件系统是只读的' $T/err.ro"
  check "full disk: named with reason" \
    bash -c "[ \"\$(cat $T/rc.full)\" = 1 ] && grep -qF '磁盘空间已满' $T/err.full"
  check "PDF onto a full disk: fails with the reason" \
    bash -c "[ \"\$(cat $T/rc.pdf)\" != 0 ] && grep -qF '写入失败' $T/err.pdf"
  check "PDF onto a full disk: no file left there" bash -c "! grep -q pdf $T/ls.pdf"
else
  skip "read-only file system, full disk, PDF onto a full disk" "no mount namespaces here"
fi

# --- Output files -------------------------------------------------------------------------
P=$T/print
"$VM" --data-dir "$P" import-format "$SMALL" --name 甲 >/dev/null 2>&1
vm "$P" print 甲 --pdf /dev/full
check "PDF to /dev/full: fails with the reason" bash -c "[ $RC -ne 0 ] && grep -qF '磁盘空间已满' '$T/err'"
check "PDF to /dev/full: no page count claimed" bash -c "! grep -qF 已打印 '$T/out'"
vm "$P" print 甲 --pdf "$T/old.pdf"
old=$(sha256sum <"$T/old.pdf")
torn=0
for delay in 0.3 0.6 0.9 1.2; do
  "$VM" --data-dir "$P" print 甲 --pdf "$T/old.pdf" --copies 999 >/dev/null 2>&1 &
  pid=$!; sleep $delay; kill -9 $pid 2>/dev/null; wait $pid 2>/dev/null
  [ "$(sha256sum <"$T/old.pdf")" = "$old" ] || tail -c 64 "$T/old.pdf" | grep -q '%%EOF' || torn=$((torn + 1))
done
check "print killed half-way: target never truncated" test $torn -eq 0
vm "$P" print 甲 --pdf "$T/many.pdf" --copies 1000000
check "copies 1000000: usage error with message" bash -c "[ $RC -eq 2 ] && grep -qF '份数' '$T/err'"
(cd "$T" && "$VM" --data-dir "$P" export-format 甲 '' >/dev/null 2>&1); RC=$?
check "export to '': usage error, nothing written" bash -c "[ $RC -eq 2 ] && [ ! -e '$T/.zhq' ]"

# --- Hostile format files and names -------------------------------------------------------
H=$T/hostile
"$VM" --data-dir "$H" formats >/dev/null 2>&1
expect_refused() { # NAME FILE
  vm "$H" import-format "$2" --name "$1"
  check "$1: refused as faulty" bash -c "[ $RC -eq 1 ] && grep -qF '格式文件有错！' '$T/err'"
}
format_file "$T/big.zhq" 1 "$(head -c 10485760 /dev/zero | tr '\0' 'a')"; expect_refused "10 MB field" "$T/big.zhq"
format_file "$T/w.zhq" 1 '' 1E+308; expect_refused "page width 1e308" "$T/w.zhq"
format_file "$T/z.zhq" 1 '' 0; expect_refused "page width 0" "$T/z.zhq"
format_file "$T/n.zhq" 1 '' -20; expect_refused "negative page width" "$T/n.zhq"
format_file "$T/g.zhq" 1 '' 1000000000; expect_refused "page of 1e9 mm" "$T/g.zhq"
format_file "$T/f.zhq" 1 '' 210 1000000; expect_refused "font size 1e6" "$T/f.zhq"
format_file "$T/x.zhq" 1 '' 210 12 -1E+300; expect_refused "box at -1e300" "$T/x.zhq"
format_file "$T/o.zhq" 1 '' 210 12 10 1E+300; expect_refused "offset 1e300" "$T/o.zhq"
format_file "$T/cut.zhq" 40; head -c $(($(grep -bo '\[自定义内容\]' "$T/cut.zhq" | cut -d: -f1) - 2)) "$T/cut.zhq" >"$T/cut2.zhq"
expect_refused "file cut before its end" "$T/cut2.zhq"
check "nothing stored by refused files" test "$(formats_count "$H")" -eq 0
vm "$H" import-format "$SMALL" --name "$(printf '长%.0s' $(seq 300))"
check "300-character name: refused" bash -c "[ $RC -ne 0 ] && grep -qF '名称太长' '$T/err'"
vm "$H" import-format "$SMALL" --name $'甲\n乙'
check "name with a line break: refused" bash -c "[ $RC -ne 0 ] && grep -qF '控制字符' '$T/err'"
check "nothing stored by refused names" test "$(formats_count "$H")" -eq 0
format_file "$T/long.zhq" 1 "$(yes '付款人全称 Vellumark, 1,234.56元；' | head -n 2200 | tr '\n' ' ')"
# As wide a box as a format may hold: the whole text is one line to break.
sed -i 's/】★【50】★【8】★【/】★【9000】★【8】★【/' "$T/long.zhq"
vm "$H" import-format "$T/long.zhq" --name 长文
check "60 000-character field: imported" test $RC -eq 0
t0=$(date +%s%N); vm "$H" print 长文 --pdf "$T/long.pdf"; t1=$(date +%s%N)
check "60 000-character field: printed" test $RC -eq 0
printf 'info  60 000-character field printed in %d ms\n' $(((t1 - t0) / 1000000))

# --- Processes racing and waiting -----------------------------------------------------------
E=$T/race
pids=()
for i in 1 2 3 4 5 6 7 8; do "$VM" --data-dir "$E" import-format "$SMALL" --name "并发$i" >/dev/null 2>"$T/race$i" & pids+=($!); done
bad=0; for pid in "${pids[@]}"; do wait "$pid" || bad=$((bad + 1)); done
check "8 first starts at once: all succeed" test $bad -eq 0
check "8 first starts at once: 8 formats" test "$(formats_count "$E")" -eq 8
pids=()
for i in 1 2 3 4 5 6 7 8; do "$VM" --data-dir "$E" import-format "$LARGE" --name "大$i" >/dev/null 2>&1 & pids+=($!); done
bad=0; for pid in "${pids[@]}"; do wait "$pid" || bad=$((bad + 1)); done
check "8 large imports at once: all succeed" test $bad -eq 0
check "8 large imports at once: 16 formats" test "$(formats_count "$E")" -eq 16
vm "$E" export-format 大5 "$T/大5.zhq"
check "a raced import is whole" test "$(iconv -f GB18030 -t UTF-8 "$T/大5.zhq" | grep -c "$SEP")" -eq 1501
( printf "PRAGMA key=\"x'1005385b49d96b91c14b80a88faad71e5171fd168e4605c1e9461d71ba6cb431'\";\nBEGIN IMMEDIATE;\nINSERT INTO 参数(Var, Con) VALUES('lock', 'held');\n"
  sleep 15; printf "ROLLBACK;\n" ) | sqlcipher "$E/DATA.db" >/dev/null 2>&1 &
holder=$!
sleep 1
t0=$(date +%s)
vm "$E" import-format "$SMALL" --name 等待
t1=$(date +%s)
wait $holder
check "import while another holds the lock 15 s: waits and succeeds" test $RC -eq 0
check "import while locked: says it waits" err_has "数据库正忙，请稍候…"
printf 'info  waited %d s for the lock\n' $((t1 - t0))

wait $lock_waiter $lock_holder
mappings=$(printf "PRAGMA key=\"x'1005385b49d96b91c14b80a88faad71e5171fd168e4605c1e9461d71ba6cb431'\";\nSELECT count(*) FROM 映射;\n" \
  | sqlcipher "$L/DATA.db" 2>/dev/null | tail -n 1)
check "mapping save under a lock held past the wait: exit 1 and the reason" \
  bash -c "[ \"\$(cat $T/rc.locked)\" = 1 ] && grep -qF '映射未能保存：数据库正忙' $T/err.locked"
check "mapping save under a lock held past the wait: waited first, printed no rows" \
  bash -c "grep -qF '数据库正忙，请稍候…' $T/err.locked && [ \$(cat $T/s.locked) -ge $WAIT_S ] && [ ! -s $T/out.locked ]"
check "mapping save under a lock held past the wait: no mapping kept" test "$mappings" = 0
printf '%d failed, %d s\n' $FAILED $(($(date +%s) - START))
[ $FAILED -eq 0 ]
