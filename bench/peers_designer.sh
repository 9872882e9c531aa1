#!/bin/sh
# Times windres and "sora-tool dialogs" on the same generated 1 MiB script.
# Usage: bench/peers_designer.sh [BUILD_DIR]
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/release}
[ -x "$build/src/cli/sora-tool" ] || "$here/../scripts/build" tool >/dev/null
tool=$build/src/cli/sora-tool
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
python3 "$here/gen_rcscript.py" 1048576 > "$tmp/big.rc"
now() { date +%s.%N; }
t0=$(now); "$tool" dialogs "$tmp/big.rc" > /dev/null; t1=$(now)
ours=$(echo "$t1 - $t0" | bc)
if command -v i686-w64-mingw32-windres >/dev/null; then
    t0=$(now); i686-w64-mingw32-windres -O res "$tmp/big.rc" "$tmp/big.res"; t1=$(now)
    peer=$(echo "$t1 - $t0" | bc)
else
    peer=""
fi
printf '%-32s %10s\n' "tool" "seconds"
printf '%-32s %10.3f\n' "sora-tool dialogs" "$ours"
if [ -n "$peer" ]; then
    printf '%-32s %10.3f\n' "i686-w64-mingw32-windres -O res" "$peer"
    printf '%-32s %10.1f\n' "ratio windres / sora-tool" "$(echo "$peer / $ours" | bc -l)"
fi
