#!/usr/bin/env bash
# "削除する" removes the copies of a crashed editor after a question whose
# "No" goes back to the list; the next start offers nothing, and the files
# on disk are as they were.
source "$(dirname "$0")/recover_lib.sh"
crash_with_three_edits
drive launch "$SORA_EXE" "$work" waitmain \
      dlg-rows "テキストの復元" 7041 3 answer "テキストの復元" 7043 answer "確認" 7 \
      dlg-rows "テキストの復元" 7041 3 answer "テキストの復元" 7043 answer "確認" 6 \
      nobox "テキストの復元" 1000 || fail
wait_copies 0 10 || fail
drive waitclass Sora_EditorClass expect-modified 5001 0 close waitexit 0 || fail
drive launch "$SORA_EXE" "$work" waitmain nobox "テキストの復元" 5000 close waitexit 0 || fail
for f in a b c; do cmp "$work/$f.orig" "$work/$f.c" || { echo "FAIL: $f.c on disk was changed"; fail; }; done
echo "ok files on disk unchanged"
