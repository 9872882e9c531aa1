#!/usr/bin/env bash
# "後で" keeps the copies of a crashed editor for a later start: the files
# on disk show unchanged and the next start offers the same texts again. A
# damaged copy and a foreign file that looks like one are listed as such
# and left alone. A second copy of the editor started while the first runs
# does not offer the first one's own copies.
source "$(dirname "$0")/recover_lib.sh"
crash_with_three_edits
printf 'SoraRcv\x1a\x01\x00\x00\x00garbage' > "$work/mycfg/sora7_00000000000000AB_8500.recover"
printf 'notes of my own\r\n' > "$work/mycfg/sora-notes.recover"
drive launch "$SORA_EXE" "$work" waitmain \
      dlg-rows "テキストの復元" 7041 5 \
      dlg-cell "テキストの復元" 7041 3 0 "sora-notes.recover" dlg-cell "テキストの復元" 7041 3 4 "形式が違います（そのまま残します）" \
      dlg-cell "テキストの復元" 7041 4 4 "壊れています（そのまま残します）" || fail
screenshot recover_dialog
drive waitclass Sora_EditorClass \
      answer "テキストの復元" 2 nobox "テキストの復元" 1000 expect-modified 5001 0 \
      replace-sel 5001 "copy 1" || fail
# The first copy's own copy of its text on show joins the five.
wait_copies 6 60 || fail
drive launch "$SORA_EXE" "$work" waitmain expect-instance 2 \
      dlg-rows "テキストの復元" 7041 5 answer "テキストの復元" 2 close waitexit 0 || fail
drive waitclass Sora_EditorClass expect-instance 1 close answer "注意" 7 waitexit 0 || fail
wait_copies 5 10 || fail
for f in a b c; do cmp "$work/$f.orig" "$work/$f.c" || { echo "FAIL: $f.c on disk was changed"; fail; }; done
drive launch "$SORA_EXE" "$work" waitmain \
      dlg-rows "テキストの復元" 7041 5 answer "テキストの復元" 2 close waitexit 0 || fail
wait_copies 5 10 || fail
