#!/usr/bin/env bash
# "文字コードの指定..." of the ファイル menu sets the encoding the document
# is saved in: a UTF-8 source set to Shift-JIS is written as CP932 by the
# next overwrite (the pane counts as changed until then); キャンセル changes
# nothing; a save under a new name of a UTF-8 document offers the choice and
# writes the one taken. SORA_SHOT=1 keeps a screenshot of the dialog.
source "$(dirname "$0")/lib.sh"
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
title="文字コードの指定"
mkdir -p "$work/mycfg"
printf '\xef\xbb\xbf// 表示\r\nint a;\r\n' > "$work/u8.c"
cp "$work/u8.c" "$work/u8.orig"
drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/u8.c" \
      command 209 dialog "$title" 10000 || fail
[ "${SORA_SHOT:-0}" = 1 ] && screenshot encoding_dialog
drive waitclass Sora_EditorClass \
      dlg-press "$title" 7807 dlg-click "$title" 2 dlg-gone "$title" 5000 \
      expect-modified 5001 0 command 201 file-dialog "名前を付けて保存する" "$work/u16.c" \
      dialog "$title" 10000 dlg-press "$title" 7803 dlg-click "$title" 1 dlg-gone "$title" 5000 \
      expect-title "[u16.c]  (FileSize 32byte,TextSize(detected) 17byte)  [utf-16le]" || fail
{ printf '\xff\xfe'; tail -c +4 "$work/u8.orig" | iconv -f UTF-8 -t UTF-16LE; } | cmp - "$work/u16.c" || { echo "FAIL: not written as UTF-16LE"; fail; }
drive waitclass Sora_EditorClass \
      command 209 dialog "$title" 10000 dlg-press "$title" 7800 dlg-click "$title" 1 dlg-gone "$title" 5000 \
      expect-modified 5001 1 command 202 expect-modified 5001 0 \
      expect-title "[u16.c]  (FileSize 17byte,TextSize(detected) 17byte:OverWritten)" \
      close waitexit 0 || fail
tail -c +4 "$work/u8.orig" | iconv -f UTF-8 -t CP932 | cmp - "$work/u16.c" || { echo "FAIL: not written as CP932"; exit 1; }
cmp "$work/u8.c" "$work/u8.orig" || { echo "FAIL: the UTF-8 file changed"; exit 1; }
echo "ok the encoding set, offered by save under a new name, and written"
