#!/usr/bin/env bash
# A text the pane does not hold whole (a file with zero bytes, answered No
# and then Yes) is never written over its file: the toolbar's overwrite
# button is grey and a click on it does nothing, and 202 posted, sent by a
# user button and given as Ctrl+S is refused with its message; the file
# stays byte for byte. Save under a new name (201) still works, and the new
# file, which holds exactly the pane's text, may then be overwritten.
source "$(dirname "$0")/lib.sh"
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg"
printf 'int a;\r\n\0\0tail of the file, 28 bytes\r\n' > "$work/zero.c"
cp "$work/zero.c" "$work/orig.c"
[ "$(stat -c %s "$work/zero.c")" = 38 ] || { echo "FAIL: the sample is not 38 bytes"; exit 1; }
unchanged() { cmp -s "$work/zero.c" "$work/orig.c" || { echo "FAIL: $1 changed the file"; fail; }; echo "ok $1: file unchanged"; }

# 8002: a user button that sends 202, made in its dialog ("上書き").
drive launch "$SORA_EXE" "$work" waitmain \
      command 210 dlg-click "ボタン追加" 6960 dlg-gone "ボタン追加" 5000 fl-expect-button 8002 "上書き" -1 \
      drop 5001 1 "$work/zero.c" answer "チェック" 7 \
      expect-title "[zero.c]  (FileSize 38byte,TextSize(detected) 8byte)" expect-toolbar-enabled 202 0 \
      toolbar-click 202 nobox "警告" 1500 \
      command 202 answer "警告" 1 command 8002 answer "警告" 1 \
      focus 5001 press ctrl+s answer "警告" 1 || fail
unchanged "answered No"
drive waitclass Sora_EditorClass \
      drop 5001 1 "$work/zero.c" answer "チェック" 6 expect-text 5001 $'int a;\r\n\\\\tail of the file, 28 bytes\r\n' \
      expect-toolbar-enabled 202 0 settext 5001 $'edited\r\n' \
      command 202 answer "警告" 1 command 8002 answer "警告" 1 \
      focus 5001 press ctrl+s answer "警告" 1 || fail
unchanged "answered Yes and edited"
drive waitclass Sora_EditorClass \
      command 201 file-dialog "名前を付けて保存する" "$work/copy.c" \
      expect-title "[copy.c]  (FileSize 8byte,TextSize(detected) 8byte)" expect-toolbar-enabled 202 1 \
      settext 5001 $'edited again\r\n' command 202 nobox "警告" 1000 \
      expect-title "[copy.c]  (FileSize 14byte,TextSize(detected) 14byte:OverWritten)" || fail
[ "$(cat "$work/copy.c")" = $'edited again\r' ] || { echo "FAIL: copy.c does not hold the text"; fail; }
unchanged "save under a new name"
drive waitclass Sora_EditorClass close waitexit 0 || fail
