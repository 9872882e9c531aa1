# Shared by the viewer's end-to-end scripts: checks of what the viewer's
# pane shows against sora-tool hexdump.
tool=${SORA_TOOL:-$SORA_ROOT/build/native/src/cli/sora-tool}
[ -x "$tool" ] || { echo "no sora-tool at $tool (set SORA_TOOL)"; exit 1; }

# rows_shown_are SHOWN FILE [MIN_ROWS]: SHOWN (a saved pane) is the header
# and whole rows of FILE's dump exactly as sora-tool hexdump prints them
# from the first row it shows, at least MIN_ROWS (default 6) of them, or
# all the rows up to the file's end.
rows_shown_are() {
  local shown=$1 file=$2 min=${3:-6}
  python3 - "$shown" "$file" "$min" "$tool" <<'PY'
import subprocess, sys
shown, path, least, tool = open(sys.argv[1], "rb").read(), sys.argv[2], int(sys.argv[3]), sys.argv[4]
header = b"          00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F  0123456789ABCDEF\r\n\r\n"
assert shown.startswith(header), "no header in %s" % sys.argv[1]
body = shown[len(header):]
offset = body[:8].decode()
rows = (len(body) + 76) // 77
expected = subprocess.run([tool, "hexdump", path, offset, str(rows)], capture_output=True, check=True).stdout
assert body == expected, "rows from %s differ from sora-tool hexdump (%d rows)" % (offset, rows)
import os
at_end = int(offset, 16) + rows * 16 >= os.path.getsize(path)
assert rows >= least or at_end, "only %d rows shown" % rows
print("ok %d rows from offset %s as sora-tool prints them" % (rows, offset))
PY
}
