#!/usr/bin/env bash
# The binary viewer runs on a thread of its own: while it opens on a
# 1 MiB text, is zoomed with its bar and resized as its dump goes in, and
# is closed before the dump is whole, the main window answers every WM_NULL
# within 0.5 s (the watch); the zoom is applied; closing the main window
# while a second viewer loads ends the viewer and the editor cleanly.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
fail() { drive attach terminate >/dev/null 2>&1; exit 1; }
python3 "$SORA_ROOT/bench/gen_csource.py" 1048575 > "$work/big.c"
# "idle": the watch covers the viewer, not the end of the drop before it.
drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/big.c" idle \
      watch-start viewer-start viewer-zoom 3 0 resize-window NEW1 400 500 viewer-expect-zoom 223 \
      close-window NEW1 watch-stop \
      viewer-start close waitexit 0 || fail
echo "ok the main window answered while the viewer opened, zoomed, resized and closed"
