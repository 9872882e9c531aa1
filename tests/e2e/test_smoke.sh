#!/usr/bin/env bash
# The editor's main road in one short run, also used to try each build and
# a driver of the other bitness: start, open through the dialog, colour,
# edit and overwrite, close without a question.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
cp932() { iconv -f UTF-8 -t CP932; }
printf 'int f(int a)\r\n{\r\n    return g("表"); // ソース\r\n}\r\n' | cp932 > "$work/smoke.c"
size=$(stat -c %s "$work/smoke.c")
drive launch "$SORA_EXE" "$work" waitmain \
      command 200 file-dialog "ファイルを開く" "$work/smoke.c" \
      expect-title "[smoke.c]  (FileSize ${size}byte,TextSize(detected) ${size}byte)" \
      text-colour-pass 30000 expect-modified 5001 0 \
      expect-status 0 "{ と } は同数です" expect-status 1 "( と ) は同数です" \
      text-expect-colour 5001 14 15 FF0000 text-expect-colour 5001 30 31 FF0180 \
      select 5001 0 0 replace-sel 5001 "// 先頭" expect-modified 5001 1 \
      command 202 expect-modified 5001 0 || exit 1
{ printf '// 先頭'; printf 'int f(int a)\r\n{\r\n    return g("表"); // ソース\r\n}\r\n'; } | cp932 |
  cmp - "$work/smoke.c" || { echo "FAIL: the overwritten file differs"; exit 1; }
drive waitclass Sora_EditorClass close waitexit 0 || exit 1
