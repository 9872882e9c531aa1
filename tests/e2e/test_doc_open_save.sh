#!/usr/bin/env bash
# Open through the dialog, read back byte for byte, overwrite, save under a
# new name, a refused drop of two files, and a failed overwrite that keeps
# the old file and the modified flag.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg" "$work/表示"
cp932() { iconv -f UTF-8 -t CP932; }
printf 'int main()\r\n{\r\n    return 0; // 表示ソース能\r\n}\r\n' | cp932 > "$work/表示/ソース.cpp"
src="$work/表示/ソース.cpp"
size=$(stat -c %s "$src")
title="[ソース.cpp]  (FileSize ${size}byte,TextSize(detected) ${size}byte)"
drive launch "$SORA_EXE" "$work" waitmain \
      command 200 file-dialog "ファイルを開く" "$src" \
      expect-title "$title" expect-modified 5001 0 \
      save-pane 5001 "$work/back.txt" || exit 1
cmp "$src" "$work/back.txt" || { echo "FAIL: pane differs from the file"; exit 1; }
echo "ok read back byte for byte"

drive waitclass Sora_EditorClass \
      settext 5001 "" replace-sel 5001 $'changed\r\n表' expect-modified 5001 1 \
      command 202 expect-modified 5001 0 \
      expect-title "[ソース.cpp]  (FileSize 11byte,TextSize(detected) 11byte:OverWritten)" \
      command 201 file-dialog "名前を付けて保存する" "$work/copy.cpp" || exit 1
printf 'changed\r\n表' | cp932 | cmp - "$src" || { echo "FAIL: overwrite"; exit 1; }
cmp "$src" "$work/copy.cpp" || { echo "FAIL: save under a new name"; exit 1; }
ls "$work/表示" | grep -q '~sora' && { echo "FAIL: temporary file left"; exit 1; }
echo "ok overwrite and save under a new name"

drive waitclass Sora_EditorClass \
      drop 5001 2 "$work/copy.cpp" "$work/back.txt" answer "Error" 1 \
      expect-title "[copy.cpp]  (FileSize 11byte,TextSize(detected) 11byte)" || exit 1
echo "ok two dropped files open nothing"

# A read-only target (back on the first listed file): the old file stays,
# and so does the modified flag.
chmod 444 "$src"
drive waitclass Sora_EditorClass \
      command 8500 replace-sel 5001 "lost?" \
      command 202 answer "Error" 1 expect-modified 5001 1 || exit 1
printf 'changed\r\n表' | cp932 | cmp - "$src" || { echo "FAIL: failed overwrite changed the file"; exit 1; }
echo "ok failed overwrite keeps the file and the flag"
drive waitclass Sora_EditorClass terminate
