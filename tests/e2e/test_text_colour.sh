#!/usr/bin/env bash
# The colouring pass on a small C file: braces by depth, parenthesised text,
# the literal and both comments in their colours, the rest untouched; the
# balance in the status bar; the document stays unmodified, and closing
# after the passes asks nothing.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
printf 'int f(int a)\r\n{\r\n  if (a) { g("s"); }\r\n  // c\r\n  /* b */\r\n}\r\n{\r\n' > "$work/c1.c"
drive launch "$SORA_EXE" "$work" waitmain \
      drop 5001 1 "$work/c1.c" expect-modified 5001 0 \
      text-colour-pass 30000 \
      expect-modified 5001 0 \
      expect-status 0 "{ が1個多い" expect-status 1 "( と ) は同数です" \
      text-expect-colour 5001 0 5 000000 \
      text-expect-colour 5001 5 12 009595 \
      text-expect-colour 5001 14 15 FF0000 \
      text-expect-colour 5001 22 25 009595 \
      text-expect-colour 5001 26 27 FE00FE \
      text-expect-colour 5001 29 30 009595 \
      text-expect-colour 5001 30 33 FF0180 \
      text-expect-colour 5001 33 34 009595 \
      text-expect-colour 5001 36 37 FE00FE \
      text-expect-colour 5001 41 45 B400FF \
      text-expect-colour 5001 49 56 FF7D3F \
      text-expect-colour 5001 58 59 FF0000 \
      text-expect-colour 5001 61 62 FF0000 \
      text-expect-colour 5001 17 22 000000 \
      select 5001 0 0 sleep 300 || exit 1
screenshot coloured_pane
drive waitclass Sora_EditorClass save-pane 5001 "$work/back.c" || exit 1
cmp "$work/c1.c" "$work/back.c" || { echo "FAIL: colouring changed the text"; exit 1; }

# A 1 MiB source: opened and coloured while the window answers every WM_NULL
# within 500 ms; the text comes back byte for byte, unmodified, with the
# scanned colours at sampled places and the balance of its one extra "{".
python3 - "$SORA_ROOT" "$work" > "$work/samples" <<'PY'
import subprocess, sys
root, work = sys.argv[1], sys.argv[2]
src = subprocess.run([sys.executable, root + '/bench/gen_csource.py', '1048000'], capture_output=True).stdout
text = src + b'int last(int a)\r\n{\r\n'
assert len(text) <= 1048575
open(work + '/big.c', 'wb').write(text)
def pos(i):  # pane position of byte i: characters, CR LF counting two
    return len(text[:i].decode('cp932'))
steps = []
def expect(i, n, rgb):
    steps.extend(['text-expect-colour', '5001', str(pos(i)), str(pos(i + n)), rgb])
expect(0, 2, 'FF7D3F')                          # the first block comment
expect(text.index(b'{'), 1, 'FF0000')           # a brace at depth 0
line = text.index(b'{ if (a) { g("')
expect(line + 9, 1, 'FE00FE')                   # a brace at depth 1
expect(line + 13, text.index(b'");', line) - line - 12, 'FF0180')  # the string literal, quotes included
expect(len(text) - 3, 1, 'FF0000')              # the extra brace at the end
print(' '.join(steps))
PY
drive waitclass Sora_EditorClass drop-nowait 5001 1 "$work/big.c" watch-start busy-wait 240000 watch-stop expect-modified 5001 0 \
      post-command 1411 watch-start busy-wait 240000 watch-stop expect-modified 5001 0 \
      expect-status 0 "{ が1個多い" expect-status 1 "( と ) は同数です" \
      $(cat "$work/samples") save-pane 5001 "$work/big-back.c" || exit 1
cmp "$work/big.c" "$work/big-back.c" || { echo "FAIL: colouring changed the 1 MiB text"; exit 1; }
echo "ok 1 MiB coloured, byte for byte"
drive waitclass Sora_EditorClass close waitexit 0 || exit 1
