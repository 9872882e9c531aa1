#!/usr/bin/env bash
# The folder tree's pop-up menu (a real right click on a node, the items
# picked by keys) acts on the node clicked, not on the file on show:
# "リストから削除" drops that entry's button and node; "このファイルを開く"
# opens it with the shell (a batch file that leaves a mark); "このファイルの
# あるフォルダを開く" and "この場所でDOS窓を開く" bring up windows in its
# folder; "ページ順序入れ替え" opens the page dialog, whose OK moves the
# page on show to the number typed (the file buttons and tree follow, a
# number out of range is refused), and the new order is what the next start
# shows. The file bar, dragged open beside the tree, shows the page's
# buttons; a file button's own pop-up menu removes its entry too.
source "$(dirname "$0")/lib.sh"
tool=${SORA_TOOL:-$SORA_ROOT/build/native/src/cli/sora-tool}
[ -x "$tool" ] || { echo "no sora-tool at $tool (set SORA_TOOL)"; exit 1; }
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg" "$work/src"
win="Z:$(echo "$work" | tr / '\\')"
printf 'int a;\r\n' > "$work/src/a.c"
printf '#define B 1\r\n' > "$work/src/b.h"
printf 'plain text\r\n' > "$work/src/c.txt"
printf '@echo opened> "%s\\opened.txt"\r\n' "$win" > "$work/src/mark.bat"
printf 'int d;\r\n' > "$work/src/d.c"
pgx="ページ順序入れ替え"
# Started without the driver's console, so that the shell's console programs get their own.
# MYPOPUP6, items after Home: 0 the file's name, 1 "このファイルのあるフォルダを開く",
# 2 "このファイルを開く", 3 "この場所でDOS窓を開く", 4 "切り取り", 5 "リストから削除",
# 6 "ページ順序入れ替え".
drive st-launch-detached "$SORA_EXE" "$work" waitmain \
      drop 5001 1 "$work/src/a.c" drop 5001 1 "$work/src/b.h" drop 5001 1 "$work/src/mark.bat" \
      drop 5001 1 "$work/src/c.txt" fl-tree-count 9 \
      st-rclick-node "b.h" st-menu 5 fl-no-button 8501 fl-tree-count 8 \
      fl-expect-button 8503 "c.txt" 1 expect-text 5001 $'plain text\r\n' \
      st-rclick-node "mark.bat" st-menu 2 || fail
for _ in $(seq 100); do grep -qs opened "$work/opened.txt" && break; sleep 0.2; done
grep -qs opened "$work/opened.txt" || { echo "FAIL: the shell did not open mark.bat"; fail; }
sleep 1   # its console window closes
drive waitclass Sora_EditorClass \
      st-rclick-node "a.c" st-menu 1 st-other-window "src" 20000 \
      st-rclick-node "a.c" st-menu 3 st-other-window "cmd.exe" 20000 || fail
echo "ok the tree's menu removed b.h, opened mark.bat, its folder and a DOS window there"
screenshot tree_menu
# Page 2 gets d.c; the dialog then puts page 2 first.
drive waitclass Sora_EditorClass \
      command 1413 st-wait-text 1413 "Files2" 10000 fl-tree-count 5 drop 5001 1 "$work/src/d.c" \
      fl-expect-button 8504 "d.c" 1 fl-tree-count 6 \
      st-rclick-node "d.c" st-menu 6 \
      dlg-expect-text "$pgx" 6973 "現在表示されているのは 2ページ目 です。" dlg-expect-text "$pgx" 6972 "現在ページの数は 2 です。" \
      dlg-settext "$pgx" 6975 "3" dlg-click "$pgx" 1 answer "OK" 1 \
      dlg-expect-text "$pgx" 6973 "現在表示されているのは 2ページ目 です。" \
      dlg-settext "$pgx" 6975 "1" dlg-click "$pgx" 1 \
      dlg-expect-text "$pgx" 6973 "現在表示されているのは 1ページ目 です。" dlg-expect-text "$pgx" 6978 "Files1" \
      expect-text 1413 "Files1" dlg-click "$pgx" 2 dlg-gone "$pgx" 5000 \
      fl-expect-button 8504 "d.c" 1 fl-tree-count 6 \
      command 1413 st-wait-text 1413 "Files2" 10000 fl-expect-button 8500 "a.c" 0 fl-expect-button 8503 "c.txt" 0 \
      fl-no-button 8504 fl-tree-count 8 st-drag-bar 1301 70 st-visible 8500 1 || fail
screenshot file_bar_and_tree
drive waitclass Sora_EditorClass st-rclick 8502 st-menu 5 fl-no-button 8502 fl-tree-count 7 \
      close waitexit 0 || fail
"$tool" config "$work/mycfg/config.cfg" > "$work/config.txt" || { echo "FAIL: config.cfg unreadable"; exit 1; }
grep '^file' "$work/config.txt"
grep -q '^file\[0\]\[0\]=.*"d.c"$' "$work/config.txt" && grep -q '^filePage\[1\]=2$' "$work/config.txt" ||
  { echo "FAIL: config.cfg does not hold the exchanged pages"; exit 1; }
drive launch "$SORA_EXE" "$work" waitmain \
      fl-expect-button 8500 "d.c" 0 fl-no-button 8501 fl-tree-count 6 \
      command 1413 st-wait-text 1413 "Files2" 10000 fl-expect-button 8501 "a.c" 0 fl-expect-button 8502 "c.txt" 0 \
      close waitexit 0 || fail
