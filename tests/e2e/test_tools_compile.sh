#!/usr/bin/env bash
# The quick compile of a CP932 source in a folder with a space: the option
# check adds "-f " for the double variable without asking, the confirmation
# is answered Yes, and the stand-in bcc32 on the interpreter's PATH records
# exactly the command line the editor sent. A source without an entry point
# first asks whether a library is meant.
source "$(dirname "$0")/lib.sh"
# A failed step leaves the editor and its interpreter running: end them.
fail_out() { drive waitclass Sora_EditorClass kill-editor >/dev/null 2>&1; exit 1; }
cp932() { iconv -f UTF-8 -t CP932; }
mkdir -p "$work/mycfg" "$work/stand" "$work/表示 dir"
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
args="$work/stand/args.txt"
printf '@echo bcc32 %%*>> "%s"\r\n' "$(winpath "$args")" > "$work/stand/bcc32.bat"
printf '#include <windows.h>\r\n// 表示ソース能 WinMain(\r\nint WINAPI WinMain(HINSTANCE h, HINSTANCE p, LPSTR c, int n)\r\n{\r\n    double d;\r\n    return 0;\r\n}\r\n' \
  | cp932 > "$work/表示 dir/ソース.cpp"
printf 'int Add(int a, int b) { return a + b; }\r\n' > "$work/表示 dir/add.cpp"
lib="簡易スタティックライブラリ作成"
drive launch "$SORA_EXE" "$work" maybe-answer "設定ファイルなし" 6 5000 waitmain \
      command 200 file-dialog "ファイルを開く" "$work/表示 dir/ソース.cpp" \
      command 399 dlg-settext "$lib" 6163 "set PATH=$(winpath "$work/stand");%PATH%" \
      dlg-settext "$lib" 6169 "echo path^set" dlg-click "$lib" 6165 \
      dos-find 10000 dos-wait-text "pathset" 20000 \
      command 408 answer "確認" 6 \
      dos-send "echo compile^done" dos-wait-text "compiledone" 20000 || fail_out
screenshot compile
expected=$(printf 'bcc32 -tW -tWM -f  "ソース.cpp"\r\n' | cp932)
got=$(cat "$args")
[ "$got" = "$expected" ] || { echo "FAIL: bcc32 got: $(iconv -f CP932 -t UTF-8 < "$args")"; exit 1; }
echo "ok the stand-in got the expected bcc32 line"

rm -f "$args"
drive waitclass Sora_EditorClass \
      command 200 file-dialog "ファイルを開く" "$work/表示 dir/add.cpp" \
      command 408 answer "確認" 7 answer "変更" 6 answer "確認" 6 \
      dos-find 1000 dos-send "echo second^done" dos-wait-text "seconddone" 20000 \
      close expect-main-gone 30000 || fail_out
expected=$(printf 'bcc32 -tWM "add.cpp"\r\n')
# %* of the stand-in drops the blank that the removed "-tW" left behind.
got=$(cat "$args")
[ "$got" = "$expected" ] || { echo "FAIL: bcc32 got: $got"; exit 1; }
echo "ok a source without an entry point: library question, then the compile"
