#!/usr/bin/env bash
# 10 MB of interpreter output: how long it takes to stream through the DOS
# window (the reader's running total reaching the file size) against the
# same "type" redirected to a file by cmd.exe, in the same run.
# Usage: bench/tools_dos_wine.sh [BUILD_DIR]
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/wine-env"
build=$(cd "${1:-$top/build/cross-$SORA_WIN_ARCH}" && pwd)
export SORA_WINEPREFIX="$build/wine-test"
source "$top/scripts/wine-env"
source "$top/scripts/wine-session"
work=$(mktemp -d); mkdir -p "$work/mycfg"
wine_session_start || exit 1
trap 'wine_session_stop; rm -rf "$work"' EXIT
cd "$work"
printf 'int Add(int a, int b) { return a + b; }\r\n' > lib.cpp
python3 - big.txt <<'PY'
import sys
line = b"0123456789abcdef0123456789abcdef0123456789abcdef0123456789abc\r\n"
with open(sys.argv[1], "wb") as f:
    f.write(line * (10 * 1024 * 1024 // len(line)))
PY
size=$(stat -c %s big.txt)
lib="簡易スタティックライブラリ作成"
"$SORA_WINE" "$build/tests/e2e/sora-driver.exe" launch "$build/src/app/exe/sora.exe" "$work" maybe-answer "設定ファイルなし" 6 5000 waitmain \
  command 200 file-dialog "ファイルを開く" "$work/lib.cpp" \
  command 399 dlg-settext "$lib" 6163 "echo ready^x" dlg-settext "$lib" 6169 "echo set^up" \
  dlg-click "$lib" 6165 dos-find 10000 dos-wait-text setup 20000 \
  dos-send "type big.txt > copy.txt" \
  dos-send "echo file^done" dos-wait-text filedone 120000 \
  dos-mark dos-send "type big.txt" dos-expect-growth "$size" $((size + 400)) 600000 \
  close | grep -E '^(time|FAIL|ok dos-expect-growth)' | sed -n '2,$p'
cmp -s big.txt copy.txt || echo "copy differs"
# The first "time" is cmd.exe writing the file (until the line after it
# answers), the second the stream through the DOS window.
