#!/usr/bin/env bash
# The binary viewer (225) shows the file on show as its dump: pane 5004
# holds the header and the rows that fit, exactly as sora-tool hexdump
# prints them, and opens wide enough for a whole row; a second 225 opens no
# second viewer; the zoom bar changes the dump's height within its range;
# the row bar, the go-to box and the keys move the rows; rows selected with
# the mouse and with Shift+keys are copied as their dump; a file cut short
# while shown is shown as it is now.
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
sample "$work/sample.c" 4000
"$tool" hexdump "$work/sample.c" > "$work/expected.txt" || exit 1
rows_of() { "$tool" hexdump "$work/sample.c" "$1" "$2"; }

# shown_is FILE FIRST_ROW [ALL]: FILE is the header and whole rows of the
# dump from FIRST_ROW on, at least 6 of them (ALL: up to the file's end).
shown_is() {
  python3 - "$work/expected.txt" "$@" <<'PY'
import sys
expected, shown = open(sys.argv[1], "rb").read(), open(sys.argv[2], "rb").read()
first, whole = int(sys.argv[3]), len(sys.argv) > 4
header, rows = expected[:79], expected[79:]
assert shown.startswith(header), "no header"
body, start = shown[79:], first * 77
assert rows[start:start + len(body)] == body, "rows differ from sora-tool hexdump from row %d" % first
n = (len(body) + 76) // 77
assert (start + len(body) == len(rows)) if whole else n >= 6, "%d rows shown" % n
print("ok %d rows from row %d as sora-tool prints them" % (n, first))
PY
}

drive launch "$SORA_EXE" "$work" waitmain \
      command 225 answer "注意" 1 expect-windows NEW1 "BINARY VIEWER" 1 viewer-save-dump "$work/none.txt" \
      close-window NEW1 \
      drop 5001 1 "$work/sample.c" answer "チェック" 7 \
      viewer-open viewer-expect-row-fits viewer-save-dump "$work/shown.txt" \
      command 225 expect-windows NEW1 - 1 \
      viewer-expect-zoom 208 viewer-zoom 1 0 viewer-expect-zoom 209 viewer-zoom 2 0 viewer-expect-zoom 194 \
      viewer-zoom 4 130 viewer-expect-zoom 130 viewer-zoom 2 0 viewer-expect-zoom 128 \
      viewer-zoom 4 208 viewer-expect-zoom 208 \
      viewer-scroll 7 0 viewer-save-dump "$work/end.txt" \
      viewer-scroll 6 0 viewer-expect-top 0 viewer-scroll 1 0 viewer-expect-top 1 \
      viewer-scroll 4 3 viewer-expect-top 3 viewer-scroll 0 0 viewer-expect-top 2 \
      viewer-wheel -120 viewer-expect-top 5 viewer-wheel 240 viewer-expect-top 0 \
      viewer-command 6102 dlg-settext "オフセットへ移動" 100 "zz" dlg-click "オフセットへ移動" 1 \
      answer "注意" 1 dlg-settext "オフセットへ移動" 100 "0x10" dlg-click "オフセットへ移動" 1 \
      dlg-gone "オフセットへ移動" 3000 viewer-expect-top 1 \
      viewer-click 1 0 viewer-click 4 1 viewer-command 6101 save-clipboard-text "$work/mouse.txt" \
      viewer-focus press ctrl+36 press shift+40 press shift+40 press ctrl+c sleep 500 \
      save-clipboard-text "$work/keys.txt" viewer-expect-top 0 || fail
screenshot viewer
[ ! -s "$work/none.txt" ] || { echo "FAIL: a viewer without a file shows text"; fail; }
shown_is "$work/shown.txt" 0 || fail
nrows=$(( ($(wc -c < "$work/expected.txt") - 79 + 76) / 77 ))
shown_is "$work/end.txt" $(( nrows - $(( ($(wc -c < "$work/end.txt") - 79 + 76) / 77 )) )) all || fail
rows_of 10 4 | cmp - "$work/mouse.txt" || { echo "FAIL: the rows selected by mouse copy differently"; fail; }
rows_of 0 3 | cmp - "$work/keys.txt" || { echo "FAIL: the rows selected by keys copy differently"; fail; }

# The file cut short while shown: the viewer reads it again, never past its end.
python3 -c 'import sys; f=open(sys.argv[1], "r+b"); f.truncate(34)' "$work/sample.c"
"$tool" hexdump "$work/sample.c" > "$work/expected.txt" || exit 1
drive attach sleep 2500 viewer-save-dump "$work/cut.txt" viewer-scroll 7 0 viewer-command 6103 \
      viewer-command 6101 save-clipboard-text "$work/cut_copy.txt" close-window NEW1 close waitexit 0 || fail
cmp "$work/expected.txt" "$work/cut.txt" || { echo "FAIL: the file cut short is not shown as it is now"; exit 1; }
tail -c +80 "$work/expected.txt" | cmp - "$work/cut_copy.txt" || { echo "FAIL: the copy of the cut file differs"; exit 1; }
echo "viewer rows, scrolling, go-to, selection and copy match sora-tool hexdump"
