#!/usr/bin/env bash
# The copy of a 1,048,575-byte text on show is taken without stalling the
# window: a watch polls the main window back to back while the editor
# copies a freshly modified 1 MiB text, and prints its longest answer and
# the editor's own time for taking the text (figures, not assertions; the
# step fails only when the window left a poll unanswered for 500 ms). The
# copy, read back, holds the pane's text byte for byte.
source "$(dirname "$0")/recover_lib.sh"
python3 - "$work" <<'PY'
import sys
line = 'int f(void) { return 0; } /* 表示ソース */\r\n'.encode('cp932')
big = (line * (1048575 // len(line) + 1))[:1048573] + b'\r\n'
assert len(big) == 1048575
open(sys.argv[1] + '/big.c', 'wb').write(big)
PY
drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/big.c" fl-wait-title "[big.c]" 120000 \
      watch-every 0 fl-set-modified 5001 1 rv-wait-copies 1 60000 watch-stop rv-take-ms \
      save-pane 5001 "$work/big.held" terminate || fail
python3 - "$work" <<'PY' || fail
import glob, struct, sys
w = sys.argv[1]
copy = open(glob.glob(w + '/mycfg/*.recover')[0], 'rb').read()
header = struct.unpack('<I', copy[12:16])[0]
assert copy[header:] == open(w + '/big.held', 'rb').read() == open(w + '/big.c', 'rb').read(), 'copy differs'
print('ok the copy holds the 1,048,575-byte text byte for byte')
PY
