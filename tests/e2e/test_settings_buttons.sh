#!/usr/bin/env bash
# User buttons (and the file bar beside the tree, which starts wide enough for
# its buttons): the default "Top" and "End"; an insertion-at-caret button
# made in its dialog inserts its text, and the status bar says at once that
# the default layout does not keep it; position capture and a click on the
# first line make "Ln1", which jumps back there; a batch button runs its
# lines on its own thread in the folder its "cd" line names, and its
# WriteFile line saves the main pane; a command button is made; the tabbed add dialog makes an editor
# function button from its first page on show ("その他"); the page
# exchange dialog opens and closes.
source "$(dirname "$0")/lib.sh"
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg"
win="Z:$(echo "$work" | tr / '\\')"
drive launch "$SORA_EXE" "$work" waitmain \
      fl-expect-button 8000 "Top" -1 fl-expect-button 8001 "End" -1 st-left-gap 5018 1301 60 \
      settext 5001 $'line0\r\nline1\r\nline2' select 5001 4 4 command 8000 expect-sel 5001 0 0 \
      command 206 dlg-settext "ボタン新規登録（挿入文指定）" 6905 "XYZ" \
      dlg-check "ボタン新規登録（挿入文指定）" 6909 1 dlg-click "ボタン新規登録（挿入文指定）" 6907 \
      dlg-gone "ボタン新規登録（挿入文指定）" 5000 fl-expect-button 8002 "挿1" -1 \
      expect-status 0 "このボタンは次の起動で消えます（【設定】の「起動」で変更）" \
      select 5001 0 0 command 8002 expect-text 5001 $'XYZline0\r\nline1\r\nline2' \
      select 5001 8 8 command 205 st-click-pane 5001 3 3 fl-expect-button 8003 "Ln1" -1 \
      select 5001 8 8 command 8003 expect-sel 5001 0 0 \
      command 207 dlg-settext "ボタン新規登録（コマンドライン命令を指定）" 6925 "echo hello" \
      dlg-click "ボタン新規登録（コマンドライン命令を指定）" 6927 fl-expect-button 8004 "CMD1" -1 \
      command 208 dlg-settext "ボタン新規登録（コマンドライン（複数）を指定）" 6936 \
          $"cd $win"$'\r\necho batch> out.txt // made by the batch\r\nWriteFile "'"$win"$'\\saved.txt"' \
      dlg-click "ボタン新規登録（コマンドライン（複数）を指定）" 6938 fl-expect-button 8005 "EX1" -1 \
      command 8005 sleep 3000 \
      command 210 dlg-click "ボタン追加" 6960 dlg-gone "ボタン追加" 5000 fl-expect-button 8006 "上書き" -1 \
      command 212 dlg-click "ページ順序入れ替え" 2 dlg-gone "ページ順序入れ替え" 5000 || fail
screenshot user_buttons
for _ in $(seq 50); do [ -f "$work/out.txt" ] && [ -f "$work/saved.txt" ] && break; sleep 0.2; done
grep -q batch "$work/out.txt" || { echo "FAIL: the batch did not run in its folder"; fail; }
[ "$(cat "$work/saved.txt")" = $'XYZline0\r\nline1\r\nline2' ] || { echo "FAIL: WriteFile did not save the pane"; fail; }
echo "ok batch ran in $win and saved the pane"
drive waitclass Sora_EditorClass fl-expect-button 8004 "CMD1" -1 \
      close answer "注意" 7 waitexit 0 || fail
