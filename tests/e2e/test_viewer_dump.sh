#!/usr/bin/env bash
# The binary viewer (225) shows the file on show as its dump: pane 5004
# holds exactly what sora-tool hexdump prints for that file; a second 225
# opens no second viewer; the zoom bar changes the dump's height and keeps
# it within its range; a file grown past the limit is refused with a box.
source "$(dirname "$0")/lib.sh"
tool=${SORA_TOOL:-$SORA_ROOT/build/native/src/cli/sora-tool}
[ -x "$tool" ] || { echo "no sora-tool at $tool (set SORA_TOOL)"; exit 1; }
mkdir -p "$work/mycfg"
# A failed step leaves the editor running: end it, so the test ends too.
fail() { drive attach terminate >/dev/null 2>&1; exit 1; }

# sample OUT [SIZE]: CP932 C text with CR LF and lone LF line ends, zero
# bytes, tabs and Japanese characters, no double-byte character split over
# two dump lines (the pane holds Unicode, where half a character has no form).
sample() {
  python3 - "$@" <<'PY'
import sys
out, size = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 0
pieces = [b"#include <windows.h>\r\n", b"int a;\n", b"\x00\x00", b"\t/* ", "日本語".encode("cp932"),
          b" */\r\n", b"char *s = \"", "表示ソース能".encode("cp932"), b"\";\r\n", b"\x00",
          b"return 0;\r\n", b"}\n"]
data, i = bytearray(), 0
while (size and len(data) < size) or (not size and i < 3 * len(pieces)):
    piece, pos = pieces[i % len(pieces)], 0
    i += 1
    while pos < len(piece):
        lead = 0x81 <= piece[pos] <= 0x9F or 0xE0 <= piece[pos] <= 0xFC
        if lead and len(data) % 16 == 15:
            data += b" "
        step = 2 if lead else 1
        data += piece[pos:pos + step]
        pos += step
if size:
    del data[size:]
    if len(data) % 16 != 0 and 0x81 <= data[-1] <= 0xFC and data[-1] not in range(0xA0, 0xE0):
        data[-1] = 0x20   # a lead byte cut off at the end
else:
    data += b"\r\n\n17 bytes more..\x00"
open(out, "wb").write(data)
PY
}
sample "$work/sample.c"
"$tool" hexdump "$work/sample.c" > "$work/expected.txt" || exit 1

drive launch "$SORA_EXE" "$work" waitmain \
      command 225 answer "注意" 1 expect-windows NEW1 "BINARY VIEWER" 1 close-window NEW1 \
      drop 5001 1 "$work/sample.c" answer "チェック" 7 \
      viewer-open viewer-save-dump "$work/shown.txt" \
      command 225 expect-windows NEW1 - 1 \
      viewer-expect-zoom 208 viewer-zoom 1 0 viewer-expect-zoom 209 viewer-zoom 2 0 viewer-expect-zoom 194 \
      viewer-zoom 4 130 viewer-expect-zoom 130 viewer-zoom 2 0 viewer-expect-zoom 128 \
      viewer-zoom 4 208 viewer-expect-zoom 208 || fail
screenshot viewer
cmp "$work/expected.txt" "$work/shown.txt" || { echo "pane 5004 differs from sora-tool hexdump"; fail; }

# The file grew past the limit after it was opened: refused, the pane empty.
drive attach close-window NEW1 || fail
head -c 1048576 /dev/zero > "$work/sample.c"
drive attach command 225 answer "Too Big File Size!" 1 viewer-save-dump "$work/refused.txt" \
      close-window NEW1 close waitexit 0 || fail
[ ! -s "$work/refused.txt" ] || { echo "a refused file left text in the pane"; exit 1; }
echo "viewer dump matches sora-tool hexdump ($(wc -c < "$work/expected.txt") bytes)"
