#!/usr/bin/env bash
# Binary viewer under Wine on a 1 MiB and a 100 MiB file: the time from
# command 225 to the first rows, a jump to the end, a page step, a zoom
# step and the close, with the main window's answer watch around it all,
# through the driver; and in the same run xxd and sora-tool hexdump over
# the whole of each file, for scale.
# usage: bench/capture_viewer_wine.sh [CROSS_BUILD_DIR] [NATIVE_BUILD_DIR]
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/wine-env"
cross=$(cd "${1:-$top/build/cross-$SORA_WIN_ARCH}" && pwd)
native=$(cd "${2:-$top/build/native}" && pwd)
export SORA_WINEPREFIX="$cross/wine-test"
source "$top/scripts/wine-env"
source "$top/scripts/wine-session"
wine_session_start || exit 1
work=$(mktemp -d)
trap 'wine_session_stop; rm -rf "$work"' EXIT
mkdir -p "$work/mycfg"
drv="$cross/tests/e2e/sora-driver.exe"
# C text with CR LF line ends, repeated to SIZE bytes.
make_file() {
  python3 -c '
import sys
line = b"    result = CallWindowProcA(OldEditProc, hwnd, msg, wParam, lParam); /* pane */\r\n"
size = int(sys.argv[2])
with open(sys.argv[1], "wb") as f:
    block = line * (1048576 // len(line) + 1)
    left = size
    while left > 0:
        f.write(block[:min(left, len(block))])
        left -= min(left, len(block))' "$1" "$2"
}
# The editor opens a small file of that name; the file then becomes SIZE
# bytes, and the viewer shows it as it is (the editor refuses documents
# from 1 MiB on).
for size in 1048576 104857600; do
  rm -rf "$work/mycfg" && mkdir -p "$work/mycfg"
  printf 'int a;\r\n' > "$work/view.c"
  echo "== $size bytes"
  (cd "$work" && timeout 600 "$SORA_WINE" "$drv" launch "$cross/src/app/exe/sora.exe" "$work" waitmain \
      drop 5001 1 "$work/view.c" idle) > /dev/null || { echo "FAIL: the editor did not start"; exit 1; }
  make_file "$work/view.c" "$size"
  (cd "$work" && timeout 600 "$SORA_WINE" "$drv" attach watch-start viewer-open viewer-scroll 7 0 \
      viewer-scroll 2 0 viewer-scroll 3 0 viewer-zoom 3 0 viewer-zoom 2 0 close-window NEW1 watch-stop \
      close waitexit 0) | grep -E 'viewer-open|viewer-scroll|viewer-zoom|close-window|watch-stop|FAIL'
  best() {
    local b=999999 s e t i
    for i in 1 2 3; do
      s=$(date +%s%N); "$@" > /dev/null; e=$(date +%s%N)
      t=$(( (e - s) / 1000000 )); [ "$t" -lt "$b" ] && b=$t
    done
    echo "$b"
  }
  echo "xxd over the whole file               $(best xxd "$work/view.c") ms"
  echo "sora-tool hexdump over the whole file $(best "$native/src/cli/sora-tool" hexdump "$work/view.c") ms"
done
