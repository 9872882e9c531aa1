#!/usr/bin/env bash
# The makefile window (preview for a file on show, saved beside it) and the
# quick compile in the dialog mode (CPLMESSAGEDIALOG: the folder browser,
# a wrong folder refused, then bcc32 and brc32 with the chosen name and
# folder, recorded by stand-ins).
source "$(dirname "$0")/lib.sh"
fail_out() { drive waitclass Sora_EditorClass kill-editor >/dev/null 2>&1; exit 1; }
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
mkdir -p "$work/mycfg" "$work/stand" "$work/src dir" "$work/out dir"
src=$(winpath "$work/src dir")
out=$(winpath "$work/out dir")
args="$work/stand/args.txt"
printf '@echo cwd %%CD%%>> "%s"\r\n@echo bcc32 %%*>> "%s"\r\n' "$(winpath "$args")" "$(winpath "$args")" \
  > "$work/stand/bcc32.bat"
printf '@echo cwd %%CD%%>> "%s"\r\n@echo brc32 %%*>> "%s"\r\n' "$(winpath "$args")" "$(winpath "$args")" \
  > "$work/stand/brc32.bat"
printf '#include <windows.h>\r\nint WINAPI WinMain(HINSTANCE h, HINSTANCE p, LPSTR c, int n)\r\n{\r\n    return 0;\r\n}\r\n' \
  > "$work/src dir/win.cpp"
printf 'MYMENU MENU\r\nBEGIN\r\nEND\r\n' > "$work/src dir/win.rc"

# The makefile of a Windows program with threads, saved as "makefile".
mk=$(printf 'CC       = bcc32\r\nCPP      = "%s\\win.cpp"\r\nRC       = brc32\r\nRCFILE   = "%s\\win.rc"\r\nTARGET   = "win.exe"\r\nCCOPTION = -tW -tWM\r\nRCOPTION = -i"C:\\borland\\bcc55\\Include"\r\n$(TARGET) : $(CPP) $(RCFILE)\r\n $(CC) $(CCOPTION) $(CCOPTION2) $(CPP) -e$(TARGET)\r\n $(RC) $(RCOPTION) $(RCOPTION2) $(RCFILE) $(TARGET)\r\n#最後の２行で、先頭の空白がないと、make の時に\r\n#syntax error を返すことがあるので注意してください。' "$src" "$src")
make="MAKEFILEの作成"
drive launch "$SORA_EXE" "$work" maybe-answer "設定ファイルなし" 6 5000 waitmain \
      command 200 file-dialog "ファイルを開く" "$work/src dir/win.cpp" \
      toolbar-click 1407 toolbar-click 1407 \
      command 409 dlg-check "$make" 7365 1 dlg-click "$make" 7366 \
      dlg-expect-text "$make" 7361 "$mk" \
      dlg-click "$make" 7367 file-dialog "ファイルの保存" "$work/src dir/makefile" \
      dlg-close "$make" || fail_out
printf '%s' "$mk" | iconv -f UTF-8 -t CP932 | cmp - "$work/src dir/makefile" || { echo "FAIL: makefile"; fail_out; }
echo "ok the makefile is previewed and saved"

# Dialog mode: compile mode 1 and no folder opening after the compile. The
# folder browser's choice lands in 6148 (Wine's browser does not start at
# a folder of drive Z:, so only "an existing folder" is checked).
lib="簡易スタティックライブラリ作成"
drive waitclass Sora_EditorClass \
      command 397 dlg-check "設定" 6046 0 st-page "設定" 5 dlg-check "設定" 6083 0 dlg-check "設定" 6084 1 \
      dlg-click "設定" 1 dlg-gone "設定" 5000 \
      command 399 dlg-settext "$lib" 6163 "set PATH=$(winpath "$work/stand");%PATH%" \
      dlg-settext "$lib" 6169 "echo path^set" dlg-click "$lib" 6165 \
      dos-find 10000 dos-wait-text "pathset" 20000 \
      command 408 dlg-expect-text "確認" 6148 "$src" dlg-expect-text "確認" 6149 "win.exe" \
      dlg-expect-text "確認" 6150 "-tW -tWM" \
      dlg-settext "確認" 6148 "" dlg-click "確認" 6147 dlg-owned-ok "確認" 10000 \
      dlg-expect-folder "確認" 6148 \
      dlg-settext "確認" 6148 "$out\\missing" dlg-click "確認" 6145 answer "エラー" 1 \
      dlg-settext "確認" 6148 "$out" dlg-settext "確認" 6149 "app.exe" dlg-click "確認" 6145 \
      dos-send "echo compile^done" dos-wait-text "compiledone" 20000 || fail_out
screenshot compile_dialog_mode
expected=$(printf 'cwd %s\r\nbcc32 -tW -tWM -e"app.exe" -n"%s" "win.cpp"\r\ncwd %s\r\nbrc32 "win.rc" "%s\\app.exe"\r\n' \
  "$src" "$out" "$src" "$out")
got=$(cat "$args")
[ "$got" = "$expected" ] || { echo "FAIL: the stand-ins got: $got"; fail_out; }
echo "ok dialog mode: browser, wrong folder refused, bcc32 and brc32 lines"

drive waitclass Sora_EditorClass dos-find 1000 dos-expect-process "cmd.exe" close expect-main-gone 30000 \
      dos-expect-gone 10000 || fail_out
echo "ok closing ends the interpreter"
