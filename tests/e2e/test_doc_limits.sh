#!/usr/bin/env bash
# The size limit (1,048,575 bytes read, 1,048,576 refused), a file with a
# zero byte answered Yes and No, and a 1 MiB
# file whose double-byte characters straddle every 4 KiB boundary
# overwritten unchanged.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
# Lines of 4095 bytes, CR LF included, so that the 4 KiB boundaries fall
# inside a double-byte character ("表", 95 5C) again and again.
python3 - "$work" <<'PY'
import sys
work = sys.argv[1]
line = b'x' * 4091 + '表'.encode('cp932') + b'\r\n'        # 4095 bytes
big = (line * 300)[:1048575 - 2] + b'\r\n'
assert len(big) == 1048575
open(work + '/big.txt', 'wb').write(big)
open(work + '/toobig.txt', 'wb').write(big + b'y')
open(work + '/zero.txt', 'wb').write(b'abc\x00def\x00g')
PY
start=$(date +%s.%N)
drive launch "$SORA_EXE" "$work" waitmain \
      drop 5001 1 "$work/big.txt" \
      expect-title "[big.txt]  (FileSize 1048575byte,TextSize(detected) 1048575byte)" || exit 1
end=$(date +%s.%N)
echo "ok 1,048,575 bytes open ($(echo "$end - $start" | bc) s from start to shown)"
drive waitclass Sora_EditorClass save-pane 5001 "$work/back.txt" \
      command 202 expect-modified 5001 0 || exit 1
cmp "$work/big.txt" "$work/back.txt" || { echo "FAIL: big pane differs"; exit 1; }
echo "ok big file read back and overwritten"

drive waitclass Sora_EditorClass \
      drop 5001 1 "$work/toobig.txt" answer "Too Big File Size!" 1 \
      expect-title "[big.txt]  (FileSize 1048575byte,TextSize(detected) 1048575byte:OverWritten)" || exit 1
echo "ok 1,048,576 bytes refused"

drive waitclass Sora_EditorClass \
      drop 5001 1 "$work/zero.txt" answer "チェック" 6 \
      expect-title "[zero.txt]  (FileSize 9byte,TextSize(detected) 3byte)" \
      expect-text 5001 'abc\def\g' \
      drop 5001 1 "$work/zero.txt" answer "チェック" 7 \
      expect-text 5001 'abc' \
      drop 5001 1 "$work/big.txt" || exit 1
echo "ok zero bytes: Yes shows all, No the text before the zero"
drive waitclass Sora_EditorClass terminate
