#!/usr/bin/env bash
# Opening and colouring odd inputs: a 1 MiB file of random bytes (zero
# bytes shown as "\" after the question; the four bracket bytes left out so
# that the balance is known), 200,000 empty lines and 30,000 unbalanced
# "{(" pairs (100 to a line: one line of them all is refused at the opening,
# test_doc_limits.sh). Throughout each
# opening and each pass the main window answers every WM_NULL within the
# watch's time-out; the coloured text is the text that was shown,
# unmodified, and the balance is reported.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
python3 - "$work" <<'PY'
import random, sys
work = sys.argv[1]
r = random.Random(19)
data = bytes(r.choice(b'\x00\x01ab') if b in b'{}()' else b for b in r.randbytes(1048575))
assert data.count(0) > 1000
open(work + '/random.bin', 'wb').write(data)
open(work + '/empty.c', 'wb').write(b'\r\n' * 200000)
open(work + '/braces.c', 'wb').write((b'{(' * 100 + b'\r\n') * 300)
PY
# open_and_colour FILE BRACES PARENS [QUESTION-STEPS...]: opens the file
# (answering the question steps) and colours it, each under the answer
# watch, and checks the balance and that the pane still holds what it
# showed before the pass.
open_and_colour() {
  local file=$1 braces=$2 parens=$3; shift 3
  drive waitclass Sora_EditorClass drop-nowait 5001 1 "$work/$file" "$@" \
        watch-start busy-wait 240000 watch-stop expect-modified 5001 0 save-pane 5001 "$work/$file.shown" \
        post-command 1411 watch-start busy-wait 240000 watch-stop expect-modified 5001 0 \
        expect-status 0 "$braces" expect-status 1 "$parens" save-pane 5001 "$work/$file.back" || exit 1
  cmp "$work/$file.shown" "$work/$file.back" || { echo "FAIL: colouring changed $file"; exit 1; }
  echo "ok $file"
}
drive launch "$SORA_EXE" "$work" waitmain || exit 1
# The watch starts once the main window answers after the question (the 2 s
# that Wine waits to hide a box on a display without a window manager are
# not the editor's). At the end of the random text's pass Wine's control
# releases the old pane in one go: 0.1 s on x86_64, 0.4-0.7 s under
# qemu-i386 (the empty lines get no colours, and their pane stays).
open_and_colour random.bin "{ と } は同数です" "( と ) は同数です" answer "チェック" 6 answering
# A fresh editor for the empty lines: releasing the coloured 1 MiB pane that
# their opening replaces takes 0.1 s on x86_64 but about 1 s under qemu-i386.
drive waitclass Sora_EditorClass close waitexit 0 || exit 1
drive launch "$SORA_EXE" "$work" waitmain || exit 1
open_and_colour empty.c "{ と } は同数です" "( と ) は同数です"
cmp "$work/empty.c" "$work/empty.c.shown" || { echo "FAIL: empty.c shown otherwise"; exit 1; }
drive waitclass Sora_EditorClass close waitexit 0 || exit 1
drive launch "$SORA_EXE" "$work" waitmain || exit 1
open_and_colour braces.c "{ が30000個多い" "( が30000個多い"
drive waitclass Sora_EditorClass close waitexit 0 || exit 1
