#!/usr/bin/env bash
# Loading over a large text rebuilds the main pane. Afterwards a dropped
# file still opens, the format and background colour are kept, the limit
# still admits 1,048,575 bytes and the line read-out follows the caret.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
python3 - "$work" <<'PY'
import sys
work = sys.argv[1]
line = ('表示ソース' + 'x' * 40).encode('cp932') + b'\r\n'
big = (line * 25000)[:1048573] + b'\r\n'
open(work + '/big.txt', 'wb').write(big)
open(work + '/big2.txt', 'wb').write(big.replace(b'x', b'y'))
open(work + '/small.txt', 'wb').write(b'one\r\ntwo\r\nthree\r\n')
PY
drive launch "$SORA_EXE" "$work" waitmain set-background 5001 0xC8FFFF \
      drop 5001 1 "$work/big.txt" pane-format 5001 > "$work/before.log" || exit 1
drive waitclass Sora_EditorClass drop 5001 1 "$work/small.txt" \
      expect-text 5001 $'one\r\ntwo\r\nthree\r\n' pane-format 5001 pane-point 5001 \
      select 5001 10 10 expect-text 5012 "3行目です" > "$work/after.log" || { cat "$work/after.log"; exit 1; }
before=$(grep -ao 'face=.*' "$work/before.log"); after=$(grep -ao 'face=.*' "$work/after.log")
[ "$before" = "$after" ] || { echo "FAIL: format $before became $after"; exit 1; }
screenshot rebuilt
read -r x y < <(sed -n 's/^ok pane-point //p' "$work/after.log")
pixel=$(convert "$work/rebuilt.png" -format '%[hex:p{'"$x,$y"'}]' info:)
[ "${pixel:0:6}" = FFFFC8 ] || { echo "FAIL: background $pixel at $x $y"; exit 1; }
echo "ok format and background kept, line read-out follows"
drive waitclass Sora_EditorClass drop 5001 1 "$work/big2.txt" \
      expect-title "[big2.txt]  (FileSize 1048575byte,TextSize(detected) 1048575byte)" \
      save-pane 5001 "$work/back.txt" || exit 1
cmp "$work/big2.txt" "$work/back.txt" || { echo "FAIL: the big file after a rebuild"; exit 1; }
echo "ok 1,048,575 bytes still fit"
drive waitclass Sora_EditorClass terminate
