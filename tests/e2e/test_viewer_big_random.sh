#!/usr/bin/env bash
# The binary viewer on 1,048,575 random bytes: the dump is checked line by
# line at sampled offsets (the pane holds Unicode, so a double-byte
# character that a line end cuts in two has no exact form there; offsets
# and hex bytes are plain ASCII), and while it goes in the main window
# answers every WM_NULL within 0.5 s.
source "$(dirname "$0")/lib.sh"
tool=${SORA_TOOL:-$SORA_ROOT/build/native/src/cli/sora-tool}
[ -x "$tool" ] || { echo "no sora-tool at $tool (set SORA_TOOL)"; exit 1; }
mkdir -p "$work/mycfg"
fail() { drive attach terminate >/dev/null 2>&1; exit 1; }
python3 - "$work" <<'PY'
import random, sys
work = sys.argv[1]
rng = random.Random(19)
open(work + "/random.bin", "wb").write(bytes(rng.getrandbits(8) for _ in range(1048575)))
PY
"$tool" hexdump "$work/random.bin" > "$work/expected_r.txt" || exit 1
# Random bytes hold zero bytes: the main pane shows the text before the first.
# "idle" lets the question's box go first: without a window manager (Xvfb)
# Wine waits up to 2 s for one when a box is taken down, before the viewer.
drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/random.bin" answer "チェック" 7 idle \
      watch-start viewer-open watch-stop viewer-save-dump "$work/shown_r.txt" close-window NEW1 \
      close waitexit 0 || fail
python3 - "$work" <<'PY' || exit 1
import sys
work = sys.argv[1]
expected = open(work + "/expected_r.txt", "rb").read().split(b"\r\n")
shown = open(work + "/shown_r.txt", "rb").read()
header = expected[0]
assert shown.startswith(header + b"\r\n\r\n"), "header"
# Every 997th line and the last: its offset and hex part (58 bytes) in the pane.
samples = list(range(2, len(expected), 997)) + [len(expected) - 1]
missing = [i for i in samples if expected[i][:58] not in shown]
if missing:
    sys.exit("FAIL: %d of %d sampled lines missing, first %r" % (len(missing), len(samples), expected[missing[0]][:58]))
print("ok %d sampled lines of the random dump found (offsets up to %s)" % (len(samples), expected[-1][:8].decode()))
PY
