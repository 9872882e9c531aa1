# Shared by the recovery tests: three listed files with unsaved changes
# (two parked, one on show) in an editor that is then ended with
# TerminateProcess, as a crash would end it.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
mkdir -p "$work/mycfg"
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }

# wait_copies N SECONDS: waits until the working folder holds N recovery copies.
wait_copies() {
  local want=$1 end=$((SECONDS + $2)) n
  while :; do
    n=$(ls "$work/mycfg" | grep -c '\.recover$')
    [ "$n" -eq "$want" ] && { echo "ok $n recovery copies"; return 0; }
    [ $SECONDS -ge $end ] && { echo "FAIL: $n recovery copies, not $want:"; ls -l "$work/mycfg"; return 1; }
    sleep 0.2
  done
}

# Sources with double-byte characters whose second byte is 0x5C (表, ソ).
python3 - "$work" <<'PY'
import sys
w = sys.argv[1]
for name, text in (('a.c', 'int a; /* 表示 */\r\n'), ('b.c', 'int b; // ソース\r\n'), ('c.c', 'int c;\r\n')):
    open(w + '/' + name, 'wb').write(text.encode('cp932'))
PY
cp "$work/a.c" "$work/a.orig"; cp "$work/b.c" "$work/b.orig"; cp "$work/c.c" "$work/c.orig"

# crash_with_three_edits: edits a.c and b.c (parked by the switches) and c.c
# (on show), keeps what each pane held in *.held, and ends the editor once
# the three copies are written.
crash_with_three_edits() {
  drive launch "$SORA_EXE" "$work" waitmain \
        drop 5001 1 "$work/a.c" drop 5001 1 "$work/b.c" drop 5001 1 "$work/c.c" \
        command 8500 replace-sel 5001 "/* 予定表 A */"$'\r\n' save-pane 5001 "$work/a.held" \
        command 8501 replace-sel 5001 "// ソ B"$'\r\n' save-pane 5001 "$work/b.held" \
        command 8502 replace-sel 5001 "C 能"$'\r\n\t' save-pane 5001 "$work/c.held" || fail
  wait_copies 3 60 || fail
  drive waitclass Sora_EditorClass terminate || fail
}
