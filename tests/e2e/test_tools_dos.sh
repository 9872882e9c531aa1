#!/usr/bin/env bash
# The DOS window with Wine's real cmd.exe: the static library dialog hands
# its lines to RunDosCommand, which opens the window; then echo, dir, a
# batch file, both output pipes, 2 MB of output arriving whole while the
# main window answers, the process list, "exit" ending the interpreter
# and closing the window, and closing the editor ending a new one.
source "$(dirname "$0")/lib.sh"
# A failed step leaves the editor and its interpreter running: end them.
fail_out() { drive waitclass Sora_EditorClass kill-editor >/dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg" "$work/src dir"
printf 'int Add(int a, int b)\r\n{\r\n    return a + b;\r\n}\r\n' > "$work/src dir/lib.cpp"
printf '@echo off\r\necho from-%%~n0\r\n' > "$work/src dir/hello.bat"
# 2 MB in lines of 64 bytes, the last one a marker.
python3 - "$work/src dir/big.txt" <<'PY'
import sys
line = b"0123456789abcdef0123456789abcdef0123456789abcdef0123456789abc\r\n"
with open(sys.argv[1], "wb") as f:
    f.write(line * (2 * 1024 * 1024 // len(line)))
    f.write(b"END-OF-BIG\r\n")
PY
size=$(stat -c %s "$work/src dir/big.txt")
lib="簡易スタティックライブラリ作成"
drive launch "$SORA_EXE" "$work" maybe-answer "設定ファイルなし" 6 5000 waitmain \
      command 200 file-dialog "ファイルを開く" "$work/src dir/lib.cpp" \
      command 399 dlg-expect-text "$lib" 6163 'bcc32 -c "lib.cpp"' \
      dlg-expect-text "$lib" 6169 'tlib "lib" -+"lib"' \
      dlg-settext "$lib" 6163 "echo one^two" dlg-settext "$lib" 6169 "set /a 6*7" \
      dlg-click "$lib" 6165 dos-find 10000 dos-expect-running 1 \
      dos-wait-text "onetwo" 20000 dos-wait-text ">42" 20000 \
      dos-send "dir /b" dos-wait-text "hello.bat" 20000 \
      dos-send "hello" dos-wait-text "from-hello" 20000 \
      dos-send "echo to^err 1>&2" dos-wait-text "toerr" 20000 \
      dos-mark dos-send "type big.txt" dos-expect-growth "$size" $((size + 400)) 120000 \
      dos-wait-text "END-OF-BIG" 5000 \
      dos-expect-process "cmd.exe" || fail_out
screenshot dos_window
echo "ok echo, dir, batch file, both pipes, $size bytes whole"

drive waitclass Sora_EditorClass dos-find 1000 dos-expect-process "cmd.exe" \
      dos-send "exit" dos-expect-closed 20000 dos-expect-gone 10000 || fail_out
echo "ok exit ends the interpreter and closes the window"

# The close asks first while the interpreter is busy (output in the last
# 250 ms): under emulation on a loaded machine its prompt after "againx" can
# come that late, so the close waits for a quiet interpreter.
drive waitclass Sora_EditorClass command 399 dlg-settext "$lib" 6163 "echo again^x" \
      dlg-click "$lib" 6165 dos-find 10000 dos-wait-text "againx" 20000 \
      dos-expect-process "cmd.exe" sleep 2000 close expect-main-gone 30000 dos-expect-gone 10000 || fail_out
echo "ok closing the editor ends the interpreter"
