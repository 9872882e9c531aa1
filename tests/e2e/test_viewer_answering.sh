#!/usr/bin/env bash
# The binary viewer runs on a thread of its own and makes only the rows on
# show: while it opens on a 100 MiB file, is zoomed, resized, scrolled to
# the end and back and closed, the main window answers every WM_NULL within
# 0.5 s (the watch); closing the main window while a second viewer is open
# ends the viewer and the editor cleanly.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
fail() { drive attach terminate >/dev/null 2>&1; exit 1; }
# A small file is opened, then grows to 100 MiB: the viewer shows the file
# as it is when asked.
printf 'int a;\r\n' > "$work/big.c"
drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/big.c" idle || fail
python3 -c 'import sys; f=open(sys.argv[1], "r+b"); f.truncate(100 * 1024 * 1024); f.seek(12345); f.write(b"data")' "$work/big.c"
drive attach watch-start viewer-open \
      viewer-zoom 3 0 resize-window NEW1 400 500 viewer-expect-zoom 223 viewer-scroll 7 0 viewer-scroll 2 0 \
      viewer-scroll 6 0 close-window NEW1 watch-stop \
      viewer-open close waitexit 0 || fail
rm -f "$work/big.c"
echo "ok the main window answered while the viewer opened, zoomed, resized, scrolled and closed"
