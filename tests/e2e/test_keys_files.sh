#!/usr/bin/env bash
# Shortcut keys pressed for real (the system's input, to the focused pane):
# F5 asks the quick compile for a file name; Ctrl+S on a text with no name
# saves it under a new name; Ctrl+O opens; Ctrl+S overwrites; Ctrl+Tab and
# Ctrl+Shift+Tab go round the listed files; Ctrl+Shift+S saves under a new
# name.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
printf 'int b;\r\n' > "$work/b.c"
drive launch "$SORA_EXE" "$work" waitmain \
      focus 5001 press f5 answer-text "OK" "ファイル名がありません。" 1 \
      settext 5001 "int a;" focus 5001 press ctrl+s file-dialog "名前を付けて保存する" "$work/a.c" \
      wait-text 0 "[a.c]  (FileSize 6byte,TextSize(detected) 6byte)" 30000 \
      focus 5001 press ctrl+o file-dialog "ファイルを開く" "$work/b.c" wait-text 5001 $'int b;\r\n' 30000 \
      focus 5001 select 5001 0 0 replace-sel 5001 "// " press ctrl+s \
      wait-text 0 "[b.c]  (FileSize 11byte,TextSize(detected) 11byte:OverWritten)" 30000 || fail
[ "$(cat "$work/a.c")" = "int a;" ] || { echo "FAIL: Ctrl+S did not save a.c"; fail; }
[ "$(cat "$work/b.c")" = $'// int b;\r' ] || { echo "FAIL: Ctrl+S did not overwrite b.c"; fail; }
echo "ok F5, Ctrl+S (save as, overwrite), Ctrl+O"
drive waitclass Sora_EditorClass \
      focus 5001 press ctrl+tab wait-text 5001 "int a;" 30000 expect-title "[a.c]  (FileSize 6byte,TextSize(detected) 6byte)" \
      focus 5001 press ctrl+tab wait-text 5001 $'// int b;\r\n' 30000 \
      focus 5001 press ctrl+shift+tab wait-text 5001 "int a;" 30000 \
      focus 5001 press ctrl+shift+s file-dialog "名前を付けて保存する" "$work/c.c" \
      wait-text 0 "[c.c]  (FileSize 6byte,TextSize(detected) 6byte)" 30000 \
      close waitexit 0 || fail
[ "$(cat "$work/c.c")" = "int a;" ] || { echo "FAIL: Ctrl+Shift+S did not save c.c"; exit 1; }
echo "ok Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+Shift+S"
