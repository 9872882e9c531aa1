#!/usr/bin/env bash
# The binary viewer on files far over the editor's 1 MiB: a 100 MiB file
# (sparse, bytes set around 0x10, 0xFFFF0 and the end) refused as a
# document is offered to the viewer, which shows its first rows, the rows
# at 0xFFFF0 (go-to box) and its last partial row exactly as sora-tool
# hexdump prints them, while the main window answers and its panes stay
# as they were; a file of 4 GiB - 1 (when the file system makes it sparse)
# shows its last row; 4 GiB is refused by the viewer. A file with a line
# over the limit is offered too: No leaves everything, Yes shows its rows.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/viewer_lib.sh"
mkdir -p "$work/mycfg"
fail() { drive attach terminate >/dev/null 2>&1; exit 1; }
python3 - "$work" <<'PY'
import sys
work = sys.argv[1]
with open(work + "/big.bin", "wb") as f:
    f.truncate(100 * 1024 * 1024 + 9)
    for at, data in [(0, b"MZP\x00 first rows\r"), (0x10, b"\nafter a CR LF"), (0xFFFE8, b"row 0xFFFF0 is here..."),
                     (100 * 1024 * 1024 + 9 - 13, b"the end.\r\n\x00!!")]:
        f.seek(at)
        f.write(data)
open(work + "/line.c", "wb").write(b"int a;\r\nchar *s = \"" + b"x" * 20000 + b"\";\r\n")
PY
O="オフセットへ移動"
# "idle": the watch covers the viewer, not the refusal's box before it
# (without a window manager Wine waits 2 s when a box is taken down).
drive launch "$SORA_EXE" "$work" waitmain \
      drop 5001 1 "$work/big.bin" answer "Too Big File Size!" 6 viewer-wait idle watch-start \
      viewer-save-dump "$work/first.txt" \
      viewer-command 6102 dlg-settext "$O" 100 "FFFF0" dlg-click "$O" 1 dlg-gone "$O" 3000 \
      viewer-expect-top 65535 viewer-save-dump "$work/mid.txt" \
      viewer-scroll 7 0 viewer-save-dump "$work/end.txt" viewer-scroll 3 0 viewer-zoom 3 0 viewer-scroll 6 0 \
      close-window NEW1 watch-stop expect-text 5001 "" expect-title "Ｓｏｒａ_エディタ " \
      drop 5001 1 "$work/line.c" answer "警告" 7 expect-windows NEW1 - 0 expect-text 5001 "" \
      drop 5001 1 "$work/line.c" answer "警告" 6 viewer-wait viewer-save-dump "$work/line.txt" \
      close-window NEW1 expect-text 5001 "" || fail
rows_shown_are "$work/first.txt" "$work/big.bin" || fail
rows_shown_are "$work/mid.txt" "$work/big.bin" || fail
rows_shown_are "$work/end.txt" "$work/big.bin" || fail
rows_shown_are "$work/line.txt" "$work/line.c" || fail
grep -q '^000ffff0  ' <(tail -c +80 "$work/mid.txt") || { echo "FAIL: the go-to did not show 0xFFFF0 first"; fail; }
tail -c 30 "$work/end.txt" | grep -q '!!$' || { echo "FAIL: the last partial row is not shown"; fail; }

# 4 GiB - 1 bytes where the file system makes a sparse file; 4 GiB refused.
if python3 -c 'import sys; f=open(sys.argv[1], "wb"); f.truncate(4294967295)' "$work/max.bin" 2>/dev/null &&
   [ "$(du -k "$work/max.bin" | cut -f1)" -lt 1024 ]; then
  python3 -c 'import sys; f=open(sys.argv[1], "r+b"); f.seek(4294967295 - 5); f.write(b"last!")' "$work/max.bin"
  python3 -c 'import sys; f=open(sys.argv[1], "wb"); f.truncate(4294967296)' "$work/over.bin"
  drive attach drop 5001 1 "$work/max.bin" answer "Too Big File Size!" 6 viewer-wait viewer-scroll 7 0 \
        viewer-save-dump "$work/max.txt" close-window NEW1 \
        drop 5001 1 "$work/over.bin" answer "Too Big File Size!" 6 answer "Too Big File Size!" 1 \
        viewer-save-dump "$work/over.txt" close-window NEW1 || fail
  rows_shown_are "$work/max.txt" "$work/max.bin" || fail
  grep -aq 'fffffff0  ' "$work/max.txt" || { echo "FAIL: no last row at fffffff0"; fail; }
  [ ! -s "$work/over.txt" ] || { echo "FAIL: a file of 4 GiB shows rows"; fail; }
  rm -f "$work/max.bin" "$work/over.bin"
else
  echo "skipped 4 GiB - 1: no sparse file here"
fi
rm -f "$work/big.bin"
drive attach close waitexit 0 || fail
echo "ok the viewer shows files of any size up to 4 GiB - 1 row for row"
