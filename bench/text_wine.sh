#!/usr/bin/env bash
# Times the text analysis in the real editor under Wine: the colouring pass
# of a 1 MiB C source (total, longest stretch without an answer or a
# progress step, select + format pairs sent) and a find-all of a word with
# 998 hits in a 1 MiB text (from the command to the filled list).
# Usage: bench/text_wine.sh BUILD_DIR (a 64-bit cross build with sora and sora-driver)
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?build dir}" && pwd)
exe=$build/src/app/exe/sora.exe driver=$build/tests/e2e/sora-driver.exe
[ -f "$exe" ] || exe=$build/bin/sora.exe
[ -f "$driver" ] || driver=$build/bin/sora-driver.exe
export SORA_ROOT=$top SORA_EXE=$exe SORA_DRIVER=$driver
export SORA_TEST_OUT=$build/bench-out
source "$top/tests/e2e/lib.sh"
mkdir -p "$work/mycfg"
size=${SORA_BENCH_SIZE:-1048575}
python3 "$top/bench/gen_csource.py" "$size" > "$work/big.c"
# The colouring of 1 MiB may take longer than the tests' driver limit.
long_drive() { (cd "$work" && timeout -k 5 900 "$SORA_WINE" "$SORA_DRIVER" "$@"); }
python3 - "$work" <<'PY'
import sys
work = sys.argv[1]
src = open(work + '/big.c', 'rb').read()
lines = src.split(b'\r\n')
step = len(lines) // 998
for k in range(998):
    lines[k * step] += b' /* needle */'
out = b'\r\n'.join(lines)[:1048575]
assert out.count(b'needle') == 998, out.count(b'needle')
open(work + '/needles.c', 'wb').write(out)
PY
drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/needles.c" \
      text-find-all-time needle 998 60000 terminate | tee "$work/find.log"
long_drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/big.c" \
      text-colour-pass 850000 terminate | tee "$work/colour.log"
echo "| measurement | figure |"
echo "|---|---|"
sed -n 's/.*ok text-colour-pass total_ms=\([0-9]*\) longest_gap_ms=\([0-9]*\) pairs=\([0-9]*\).*/| colouring '"$size"' bytes: total | \1 ms |\n| colouring: longest stretch without answer or progress | \2 ms |\n| colouring: select + format pairs | \3 |/p' "$work/colour.log"
sed -n 's/.*ok text-find-all-time ms=\([0-9]*\) rows=\([0-9]*\).*/| find-all, 998 hits in '"$size"' bytes: command to filled list | \1 ms (\2 rows) |/p' "$work/find.log"
