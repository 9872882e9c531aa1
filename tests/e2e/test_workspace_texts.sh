#!/usr/bin/env bash
# Multi-file mode keeps every text it was given: the title and the
# overwrite button follow the pane and the file on show; a parked text with
# changes is asked about at the close (キャンセル keeps the editor, いいえ
# drops the change knowingly, はい writes it), checked on disk and after a
# restart; a save under a new name lists the new file and leaves the old
# entry with the old file's text, so that Ctrl+S there leaves it as it is;
# the question before an open cancels the open.
source "$(dirname "$0")/lib.sh"
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg"
printf 'int a;\r\nint main(void);\r\n' > "$work/a.c"   # 25 bytes
printf 'int b;\r\n' > "$work/b.c"
printf 'IDR_A MENU\r\nBEGIN\r\nEND\r\n' > "$work/a.rc"
printf 'z\r\n\0z\r\n' > "$work/zero.c"
cp "$work/a.c" "$work/a.orig"; cp "$work/b.c" "$work/b.orig"
atitle="[a.c]  (FileSize 25byte,TextSize(detected) 25byte)"

drive launch "$SORA_EXE" "$work" waitmain \
      drop 5001 1 "$work/a.c" drop 5001 1 "$work/zero.c" answer "チェック" 7 drop 5001 1 "$work/b.c" \
      command 8501 expect-title "[zero.c]  (FileSize 7byte,TextSize(detected) 3byte)" expect-toolbar-enabled 202 0 \
      command 8500 expect-title "$atitle" expect-toolbar-enabled 202 1 \
      toolbar-click 1407 expect-title "[a.rc]  (FileSize 24byte,TextSize(detected) 24byte)" \
      toolbar-click 1407 expect-title "$atitle" \
      command 8501 toolbar-click 1407 expect-toolbar-enabled 202 1 toolbar-click 1407 \
      expect-toolbar-enabled 202 0 command 8502 expect-toolbar-enabled 202 1 || fail
echo "ok the title and the overwrite button follow the pane and the file on show"

# a.c edited, then b.c on show: the close asks about a.c.
drive waitclass Sora_EditorClass command 8500 select 5001 0 0 replace-sel 5001 "// " command 8502 \
      close answer "注意" 2 expect-title "[b.c]  (FileSize 8byte,TextSize(detected) 8byte)" \
      close answer "注意" 7 waitexit 0 || fail
cmp -s "$work/a.c" "$work/a.orig" || { echo "FAIL: いいえ wrote a.c"; fail; }
drive launch "$SORA_EXE" "$work" waitmain nobox "テキストの復元" 1500 \
      command 8500 expect-text 5001 $'int a;\r\nint main(void);\r\n' expect-modified 5001 0 \
      select 5001 0 0 replace-sel 5001 "// " command 8502 close answer "注意" 6 waitexit 0 || fail
[ "$(head -c 9 "$work/a.c")" = "// int a;" ] || { echo "FAIL: はい did not write a.c"; fail; }
cmp -s "$work/b.c" "$work/b.orig" || { echo "FAIL: b.c changed"; fail; }
echo "ok a parked text with changes is asked about at the close"
cp "$work/a.orig" "$work/a.c"

# Save under a new name: c.c gets its own entry, a.c keeps a.c's text.
drive launch "$SORA_EXE" "$work" waitmain command 8500 expect-text 5001 $'int a;\r\nint main(void);\r\n' \
      select 5001 25 25 replace-sel 5001 $'int c;\r\n' command 201 file-dialog "名前を付けて保存する" "$work/c.c" \
      expect-title "[c.c]  (FileSize 33byte,TextSize(detected) 33byte)" \
      command 8500 expect-text 5001 $'int a;\r\nint main(void);\r\n' expect-modified 5001 0 \
      expect-title "$atitle" command 202 || fail
cmp -s "$work/a.c" "$work/a.orig" || { echo "FAIL: a.c took the text saved as c.c"; fail; }
[ "$(cat "$work/c.c")" = $'int a;\r\nint main(void);\r\nint c;\r' ] || { echo "FAIL: c.c"; fail; }
echo "ok save under a new name leaves the old entry with its own file"

# The question before an open: キャンセル opens nothing.
drive waitclass Sora_EditorClass replace-sel 5001 "x" command 200 answer "文章が変更されています！" 2 \
      nobox "ファイルを開く" 1500 expect-modified 5001 1 \
      close answer "注意" 7 waitexit 0 || fail
cmp -s "$work/a.c" "$work/a.orig" || { echo "FAIL: a.c changed"; fail; }
echo "ok キャンセル before an open opens nothing"
