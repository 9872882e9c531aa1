#!/usr/bin/env bash
# Editing and deleting user buttons through their pop-up menu (a real right
# click, the menu picked by keys): the property sheet renames an insertion
# button and gives it a new text, which the next press inserts; a position
# button gets a new position (a position that is no number is refused with
# a message and changes nothing); "削除" takes "End" off the bar. The
# layout is kept as the user-defined one ("ubuttons.cfg"), and the next
# start shows the edited buttons without the deleted one. The page dialog's OK puts a
# second page first; the bands of the page on show follow.
source "$(dirname "$0")/lib.sh"
tool=${SORA_TOOL:-$SORA_ROOT/build/native/src/cli/sora-tool}
[ -x "$tool" ] || { echo "no sora-tool at $tool (set SORA_TOOL)"; exit 1; }
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg"
ins="ボタン新規登録（挿入文指定）"
props="ボタンのプロパーティ"
cmd="ボタン新規登録（コマンドライン命令を指定）"
pgx="ページ順序入れ替え"
# MYPOPUP5, items after Home: 0 "記憶位置の変更", 1 "プロパーティ", 2 "削除".
drive launch "$SORA_EXE" "$work" waitmain \
      settext 5001 $'line0\r\nline1' \
      command 206 dlg-settext "$ins" 6905 "XYZ" dlg-check "$ins" 6909 1 dlg-click "$ins" 6907 \
      dlg-gone "$ins" 5000 fl-expect-button 8002 "挿1" -1 \
      st-rclick 8002 st-menu 1 \
      dlg-expect-text "$props" 6981 "挿1" dlg-expect-text "$props" 6990 "XYZ" \
      dlg-settext "$props" 6981 "ABCbutton" dlg-settext "$props" 6990 "new text " dlg-click "$props" 1 \
      dlg-gone "$props" 5000 fl-expect-button 8002 "ABCbutton" -1 \
      select 5001 0 0 command 8002 expect-text 5001 $'new text line0\r\nline1' \
      st-rclick 8000 st-menu 1 dlg-settext "$props" 6981 "Pos" dlg-settext "$props" 6986 "four" dlg-click "$props" 1 \
      answer "注意" 1 fl-expect-button 8000 "Top" -1 \
      dlg-settext "$props" 6981 "Top" dlg-settext "$props" 6986 "4" dlg-click "$props" 1 dlg-gone "$props" 5000 \
      select 5001 9 9 command 8000 expect-sel 5001 4 4 \
      st-rclick 8001 st-menu 2 fl-no-button 8001 fl-expect-button 8000 "Top" -1 || fail
screenshot button_edit
# A second page with a command button, put first by the page dialog's OK.
drive waitclass Sora_EditorClass \
      command 1412 st-visible 8000 0 \
      command 207 dlg-settext "$cmd" 6925 "echo page two" dlg-click "$cmd" 6927 dlg-gone "$cmd" 5000 \
      fl-expect-button 8003 "CMD1" -1 st-visible 8003 1 \
      command 212 dlg-expect-text "$pgx" 6973 "現在表示されているのは 2ページ目 です。" \
      dlg-settext "$pgx" 6975 "1" dlg-click "$pgx" 1 dlg-expect-text "$pgx" 6973 "現在表示されているのは 1ページ目 です。" \
      dlg-click "$pgx" 2 dlg-gone "$pgx" 5000 st-visible 8003 1 st-visible 8000 0 \
      command 1412 st-visible 8003 0 st-visible 8000 1 st-visible 8002 1 || fail
drive waitclass Sora_EditorClass \
      command 233 dlg-click "設定" 6004 answer "OK" 1 \
      dlg-check "設定" 6007 0 dlg-check "設定" 6005 1 dlg-click "設定" 1 dlg-gone "設定" 5000 \
      close answer "注意" 7 waitexit 0 || fail
"$tool" config "$work/mycfg/ubuttons.cfg" > "$work/ubuttons.txt" || { echo "FAIL: ubuttons.cfg unreadable"; exit 1; }
cat "$work/ubuttons.txt"
grep -q '^button\[0\]\[0\]=label="CMD1" kind=2 value=0 text="echo page two"$' "$work/ubuttons.txt" &&
  grep -q '^button\[1\]\[0\]=label="Top" kind=0 value=4 ' "$work/ubuttons.txt" &&
  grep -q '^button\[1\]\[1\]=label="ABCbutton" kind=4 value=0 text="new text "' "$work/ubuttons.txt" &&
  grep -q '^buttonPage\[1\]=2$' "$work/ubuttons.txt" || { echo "FAIL: ubuttons.cfg does not hold the edited buttons"; exit 1; }
echo "ok ubuttons.cfg holds the edited buttons in the exchanged order, not the deleted one"
drive launch "$SORA_EXE" "$work" waitmain \
      fl-expect-button 8000 "CMD1" -1 st-visible 8000 1 fl-expect-button 8001 "Top" -1 st-visible 8001 0 \
      fl-expect-button 8002 "ABCbutton" -1 fl-no-button 8003 command 1412 st-visible 8001 1 \
      settext 5001 "abcdef" select 5001 0 0 command 8001 expect-sel 5001 4 4 \
      close waitexit 0 || fail
