#!/usr/bin/env bash
# An editor ended by TerminateProcess while two listed files and the file on
# show hold changes: the next start offers the three texts in one dialog,
# and "復元する" brings them back byte for byte, marked modified, without
# touching the files on disk; a clean exit then leaves no copy behind.
source "$(dirname "$0")/recover_lib.sh"
crash_with_three_edits
drive launch "$SORA_EXE" "$work" waitmain \
      dlg-rows "テキストの復元" 7041 3 answer "テキストの復元" 7042 fl-wait-title "[c.c]  (復元したテキスト" 60000 \
      fl-expect-button 8500 "a.c" 0 fl-expect-button 8501 "b.c" 0 fl-expect-button 8502 "c.c" 1 \
      expect-modified 5001 1 save-pane 5001 "$work/c.back" \
      command 8500 expect-modified 5001 1 save-pane 5001 "$work/a.back" \
      command 8501 expect-modified 5001 1 save-pane 5001 "$work/b.back" || fail
for f in a b c; do
  cmp "$work/$f.held" "$work/$f.back" || { echo "FAIL: $f.c restored differs"; fail; }
  cmp "$work/$f.orig" "$work/$f.c" || { echo "FAIL: $f.c on disk was changed"; fail; }
done
echo "ok three texts restored byte for byte, files on disk untouched"
# This run keeps copies of its own now, the old ones are gone.
wait_copies 3 60 || fail
drive waitclass Sora_EditorClass close answer "注意" 7 waitexit 0 || fail
wait_copies 0 10 || fail
