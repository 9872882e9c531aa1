#!/usr/bin/env bash
# Opening and colouring odd inputs: 200,000 empty lines and a 1 MiB file of
# random bytes (zero bytes shown as "\" after the question; the four bracket
# bytes left out so that the balance is known). Throughout both operations
# the main window answers every WM_NULL within 500 ms; the coloured text is
# the text that was shown, unmodified, and the balance is reported.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
python3 - "$work" <<'PY'
import random, sys
work = sys.argv[1]
open(work + '/empty.c', 'wb').write(b'\r\n' * 200000)
r = random.Random(19)
data = bytes(r.choice(b'\x00\x01ab') if b in b'{}()' else b for b in r.randbytes(1048575))
assert data.count(0) > 1000
open(work + '/random.bin', 'wb').write(data)
PY
drive launch "$SORA_EXE" "$work" waitmain \
      drop-nowait 5001 1 "$work/empty.c" watch-start busy-wait 240000 watch-stop expect-modified 5001 0 \
      post-command 1411 watch-start busy-wait 240000 watch-stop expect-modified 5001 0 \
      expect-status 0 "{ と } は同数です" expect-status 1 "( と ) は同数です" save-pane 5001 "$work/empty-back.c" || exit 1
cmp "$work/empty.c" "$work/empty-back.c" || { echo "FAIL: colouring changed the empty lines"; exit 1; }
echo "ok 200,000 empty lines"
drive waitclass Sora_EditorClass drop-nowait 5001 1 "$work/random.bin" answer "チェック" 6 watch-start busy-wait 240000 watch-stop \
      expect-modified 5001 0 save-pane 5001 "$work/random-shown.bin" \
      post-command 1411 watch-start busy-wait 240000 watch-stop expect-modified 5001 0 \
      expect-status 0 "{ と } は同数です" expect-status 1 "( と ) は同数です" save-pane 5001 "$work/random-back.bin" || exit 1
cmp "$work/random-shown.bin" "$work/random-back.bin" || { echo "FAIL: colouring changed the random text"; exit 1; }
echo "ok 1 MiB of random bytes"
drive waitclass Sora_EditorClass close waitexit 0 || exit 1
