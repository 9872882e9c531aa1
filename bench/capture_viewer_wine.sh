#!/usr/bin/env bash
# Binary viewer on the largest file it shows (1,048,575 bytes) under Wine:
# the time from command 225 to the filled pane, through the driver, and in
# the same run the dump core (sora-tool hexdump) against xxd on that file.
# usage: bench/capture_viewer_wine.sh [CROSS_BUILD_DIR] [NATIVE_BUILD_DIR]
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/wine-env"
cross=$(cd "${1:-$top/build/cross-$SORA_WIN_ARCH}" && pwd)
native=$(cd "${2:-$top/build/native}" && pwd)
export SORA_WINEPREFIX="$cross/wine-test"
source "$top/scripts/wine-env"
source "$top/scripts/wine-session"
wine_session_start || exit 1
trap wine_session_stop EXIT
work=$(mktemp -d)
mkdir -p "$work/mycfg"
# C text with CR LF line ends, cut at the limit.
python3 -c '
import sys
line = b"    result = CallWindowProcA(OldEditProc, hwnd, msg, wParam, lParam); /* pane */\r\n"
data = (line * (1048575 // len(line) + 1))[:1048575]
open(sys.argv[1], "wb").write(data)' "$work/big.c"
drv="$cross/tests/e2e/sora-driver.exe"
(cd "$work" && timeout 600 "$SORA_WINE" "$drv" launch "$cross/src/app/exe/sora.exe" "$work" waitmain \
    drop 5001 1 "$work/big.c" viewer-open viewer-save-dump "$work/shown.txt" \
    close-window NEW1 close waitexit 0) | grep -E 'viewer-open|viewer-save-dump|FAIL'
"$native/src/cli/sora-tool" hexdump "$work/big.c" > "$work/expected.txt"
cmp -s "$work/expected.txt" "$work/shown.txt" && echo "pane equals sora-tool hexdump ($(wc -c < "$work/expected.txt") bytes)" \
    || echo "pane differs from sora-tool hexdump"
# The same file for the core and xxd, best of 5 each.
best() {
    local b=999999 s e t i
    for i in 1 2 3 4 5; do
        s=$(date +%s%N); "$@" > /dev/null; e=$(date +%s%N)
        t=$(( (e - s) / 1000000 )); [ "$t" -lt "$b" ] && b=$t
    done
    echo "$b"
}
echo "xxd               $(best xxd "$work/big.c") ms"
echo "sora-tool hexdump $(best "$native/src/cli/sora-tool" hexdump "$work/big.c") ms"
rm -rf "$work"
