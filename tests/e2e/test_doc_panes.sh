#!/usr/bin/env bash
# Switching to the resource pane reads the ".rc" beside the main file and
# adds the resource-list button; switching back removes it (the greyed file
# menu shows in the screenshot: menus are not readable from another process). Screenshots of both panes with the toolbar and the bars.
# A script with a line over 16,384 bytes is refused and leaves the resource
# pane without a file: its save asks for a name instead of writing over it.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg" "$work/my.dir"
printf 'int main()\r\n{\r\n}\r\n' > "$work/my.dir/main.cpp"
printf 'MYMENU MENU\r\nBEGIN\r\nEND\r\n' > "$work/my.dir/main.rc"
printf 'int f;\r\n' > "$work/my.dir/long.cpp"
{ printf 'STRINGTABLE\r\nBEGIN\r\n 1 "'; head -c 16385 /dev/zero | tr '\0' 'x'; printf '"\r\nEND\r\n'; } > "$work/my.dir/long.rc"
cp "$work/my.dir/long.rc" "$work/long.rc.orig"
drive launch "$SORA_EXE" "$work" waitmain \
      drop 5001 1 "$work/my.dir/main.cpp" \
      expect-toolbar 0 1407 expect-toolbar 12 408 || exit 1
screenshot main-pane
drive waitclass Sora_EditorClass \
      toolbar-click 1407 \
      expect-toolbar 1 219 \
      save-pane 5002 "$work/rc-back.txt" || exit 1
cmp "$work/my.dir/main.rc" "$work/rc-back.txt" || { echo "FAIL: resource pane"; exit 1; }
screenshot resource-pane
drive waitclass Sora_EditorClass \
      toolbar-click 1407 expect-toolbar 1 0 \
      expect-text 5001 $'int main()\r\n{\r\n}\r\n' || exit 1
echo "ok pane switch"
drive waitclass Sora_EditorClass terminate
drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/my.dir/long.cpp" \
      toolbar-click 1407 answer "警告" 7 expect-text 5002 "" \
      command 204 file-dialog "" "$work/my.dir/long2.rc" terminate || exit 1
cmp "$work/long.rc.orig" "$work/my.dir/long.rc" || { echo "FAIL: the refused script was written over"; exit 1; }
[ -f "$work/my.dir/long2.rc" ] || { echo "FAIL: no save under the new name"; exit 1; }
echo "ok refused script: pane without a file"
