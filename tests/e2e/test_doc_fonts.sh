#!/usr/bin/env bash
# The real font and colour dialogs, the font repair and the line read-out:
# none of them marks an unchanged pane as modified or changes its text.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
printf 'one\r\ntwo 表示\r\nthree\r\n' | iconv -f UTF-8 -t CP932 > "$work/f.txt"
drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/f.txt" \
      select 5001 14 14 expect-text 5012 "3行目です" \
      select 5001 0 3 command 300 answer "フォントの指定" 1 expect-modified 5001 0 \
      command 300 answer "フォントの指定" 2 expect-modified 5001 0 \
      command 302 answer "色" 1 expect-modified 5001 0 \
      command 303 expect-modified 5001 0 \
      save-pane 5001 "$work/back.txt" || exit 1
cmp "$work/f.txt" "$work/back.txt" || { echo "FAIL: the text changed"; exit 1; }
screenshot fonts
drive waitclass Sora_EditorClass terminate
