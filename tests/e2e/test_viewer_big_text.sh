#!/usr/bin/env bash
# The binary viewer on the largest file it shows (1,048,575 bytes of C
# text): the dump equals sora-tool hexdump byte for byte, and while it goes
# in the main window answers every WM_NULL within 0.5 s.
source "$(dirname "$0")/lib.sh"
tool=${SORA_TOOL:-$SORA_ROOT/build/native/src/cli/sora-tool}
[ -x "$tool" ] || { echo "no sora-tool at $tool (set SORA_TOOL)"; exit 1; }
mkdir -p "$work/mycfg"
fail() { drive attach terminate >/dev/null 2>&1; exit 1; }
python3 - "$work" <<'PY'
import sys
work = sys.argv[1]
line = b"    result = CallWindowProcA(OldEditProc, hwnd, msg, wParam, lParam); /* pane */\r\n"
open(work + "/big.c", "wb").write((line * (1048575 // len(line) + 1))[:1048575])
PY
"$tool" hexdump "$work/big.c" > "$work/expected_c.txt" || exit 1
drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/big.c" \
      watch-start viewer-open watch-stop viewer-save-dump "$work/shown_c.txt" close-window NEW1 \
      close waitexit 0 || fail
cmp "$work/expected_c.txt" "$work/shown_c.txt" || { echo "FAIL: the dump of big.c differs from sora-tool hexdump"; exit 1; }
echo "ok the dump of a 1,048,575-byte C text equals sora-tool hexdump"
