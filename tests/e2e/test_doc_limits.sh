#!/usr/bin/env bash
# The size limit (1,048,575 bytes read, 1,048,576 refused), the line limit
# (16,384 bytes), a file with a zero byte answered Yes and No, and a 1 MiB
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
# Lines over 16,384 bytes: one line of 1,048,575 bytes, and a third line one
# byte over; a line of exactly 16,384 bytes opens.
open(work + '/oneline.c', 'wb').write((b'f(a[i]);{"s"}' * 80700)[:1048575])
open(work + '/line3.c', 'wb').write(b'a\r\nb\r\n' + b'x' * 16385 + b'\r\nz\r\n')
open(work + '/edge.c', 'wb').write(b'x' * 16384 + b'\r\n')
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
      drop 5001 1 "$work/toobig.txt" answer "Too Big File Size!" 7 \
      expect-title "[big.txt]  (FileSize 1048575byte,TextSize(detected) 1048575byte:OverWritten)" || exit 1
echo "ok 1,048,576 bytes refused"

# Wine's control would take minutes over such a line: refused with the box
# (no answer watch here: Wine itself takes up to half a second to put up a
# box on a display without a window manager); the file on show stays, with
# its title, and the refused file gets no entry in the file list (a second
# drop is refused again rather than found listed).
drive waitclass Sora_EditorClass \
      drop 5001 1 "$work/oneline.c" answer "警告" 7 \
      drop 5001 1 "$work/line3.c" answer "警告" 7 \
      drop 5001 1 "$work/line3.c" answer "警告" 7 \
      expect-title "[big.txt]  (FileSize 1048575byte,TextSize(detected) 1048575byte:OverWritten)" \
      save-pane 5001 "$work/refused.txt" \
      drop 5001 1 "$work/edge.c" expect-title "[edge.c]  (FileSize 16386byte,TextSize(detected) 16386byte)" || exit 1
cmp "$work/big.txt" "$work/refused.txt" || { echo "FAIL: a refusal changed the pane"; exit 1; }
echo "ok lines over 16,384 bytes refused, 16,384 opened"

drive waitclass Sora_EditorClass \
      drop 5001 1 "$work/zero.txt" answer "チェック" 6 \
      expect-title "[zero.txt]  (FileSize 9byte,TextSize(detected) 3byte)" \
      expect-text 5001 'abc\def\g' \
      drop 5001 1 "$work/zero.txt" answer "チェック" 7 \
      expect-text 5001 'abc' \
      drop 5001 1 "$work/big.txt" || exit 1
echo "ok zero bytes: Yes shows all, No the text before the zero"
drive waitclass Sora_EditorClass terminate
