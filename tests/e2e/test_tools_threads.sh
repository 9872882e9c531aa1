#!/usr/bin/env bash
# The DOS window's thread list offers to end a thread of the interpreter,
# which goes on; its last line closes the list. An interpreter that cannot
# start leaves its reason in the DOS window.
source "$(dirname "$0")/lib.sh"
fail_out() { drive waitclass Sora_EditorClass kill-editor >/dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg" "$work/second/mycfg" "$work/src dir"
printf 'int Add(int a, int b) { return a + b; }\r\n' > "$work/src dir/lib.cpp"
lib="簡易スタティックライブラリ作成"
drive launch "$SORA_EXE" "$work" maybe-answer "設定ファイルなし" 6 5000 waitmain \
      command 200 file-dialog "ファイルを開く" "$work/src dir/lib.cpp" \
      command 399 dlg-settext "$lib" 6163 "echo one^two" dlg-settext "$lib" 6169 "echo three^four" \
      dlg-click "$lib" 6165 dos-find 10000 dos-wait-text "threefour" 20000 || fail_out

# The thread list: a thread of the interpreter is offered for ending; the
# interpreter goes on; the last line closes the list.
drive waitclass Sora_EditorClass dos-find 1000 dos-expect-process "cmd.exe" \
      dos-list-dblclick "*" dos-expect-list 2 1 dos-list-dblclick "thID:" \
      answer "スレッドの強制終了" 6 answer "OK" 1 \
      dos-list-dblclick "End watching threads" dos-expect-list 0 0 \
      dos-send "echo still^here" dos-wait-text "stillhere" 20000 \
      close expect-main-gone 30000 dos-expect-gone 10000 || fail_out
echo "ok the thread-kill offer, and the interpreter goes on"

# A copy of its own: the first one's file list already holds the source.
drive setenv COMSPEC 'C:\nowhere\cmd.exe' launch "$SORA_EXE" "$work/second" waitmain \
      command 200 file-dialog "ファイルを開く" "$work/src dir/lib.cpp" \
      command 399 dlg-click "$lib" 6165 dos-find 10000 \
      dos-wait-text "起動できませんでした" 10000 dos-expect-running 0 || fail_out
screenshot dos_cannot_start
drive waitclass Sora_EditorClass close expect-main-gone 30000 || fail_out
echo "ok an interpreter that cannot start is reported"
