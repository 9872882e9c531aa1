#!/usr/bin/env bash
# Overwrite (202) of a 1,048,575-byte text: the file is written back byte
# for byte over a file changed behind the editor's back, the settings file
# is written with it, and the main window answers every WM_NULL within
# 0.5 s meanwhile.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
python3 "$SORA_ROOT/bench/gen_csource.py" 1048575 > "$work/big.c"
python3 - "$work/big.c" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
data += b'/' * (1048575 - len(data))
open(sys.argv[1], 'wb').write(data[:1048575])
PY
cp "$work/big.c" "$work/original.c"
drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/big.c" \
      expect-title "[big.c]  (FileSize 1048575byte,TextSize(detected) 1048575byte)" || exit 1
# Changed behind the editor's back, and no settings file yet.
echo "changed" > "$work/big.c"
rm -f "$work/mycfg/config.cfg"
drive waitclass Sora_EditorClass watch-start command 202 watch-stop \
      expect-title "[big.c]  (FileSize 1048575byte,TextSize(detected) 1048575byte:OverWritten)" \
      expect-modified 5001 0 terminate || exit 1
cmp "$work/original.c" "$work/big.c" || { echo "FAIL: the overwritten file differs"; exit 1; }
[ -s "$work/mycfg/config.cfg" ] || { echo "FAIL: no settings file written with the overwrite"; exit 1; }
grep -q "big.c" "$work/mycfg/config.cfg" || { echo "FAIL: the settings file does not name the file on show"; exit 1; }
ls "$work"/~sora*.tmp "$work"/mycfg/config.cfg.tmp* 2>/dev/null && { echo "FAIL: a temporary file was left behind"; exit 1; }
echo "ok 1 MiB overwritten byte for byte, settings file written"
