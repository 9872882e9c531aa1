#!/usr/bin/env bash
# Switching between two listed files of about 1 MB each (the second a
# CP932 source of the largest size the editor reads): both come back whole,
# and the time of each switch is reported (the editor must keep answering;
# no limit is asserted). A second running copy parks its texts under its
# own instance number.
source "$(dirname "$0")/lib.sh"
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg"
python3 - "$work" <<'PY'
import sys
line = "int function_%06d(void) { return %d; } /* \x93\xfa\x96\x7b\x8c\xea\x83\x5c */\r\n"
out, n = bytearray(), 0
while len(out) < 1000000 - 80:
    out += (line % (n, n)).encode("latin-1")
    n += 1
open(sys.argv[1] + "/big1.c", "wb").write(out)
PY
# The font once went onto the brought-back text of this one after it was
# in the pane, and Wine's control took minutes to lay it all out again.
python3 "$SORA_ROOT/bench/gen_csource.py" 1048575 > "$work/big2.c"
head -c $((1048575 - $(stat -c %s "$work/big2.c"))) /dev/zero | tr '\0' ' ' >> "$work/big2.c"
drive launch "$SORA_EXE" "$work" waitmain \
      drop 5001 1 "$work/big1.c" fl-wait-title big1.c 60000 drop 5001 1 "$work/big2.c" fl-wait-title big2.c 60000 \
      fl-timed-switch 8500 big1.c save-pane 5001 "$work/shown1.c" \
      fl-timed-switch 8501 big2.c save-pane 5001 "$work/shown2.c" || fail
cmp "$work/big1.c" "$work/shown1.c" && cmp "$work/big2.c" "$work/shown2.c" ||
  { echo "FAIL: a switched text differs from its file"; fail; }
echo "ok both 1 MB texts came back byte for byte"
printf 'small one\r\n' > "$work/s1.c"
printf 'small two\r\n' > "$work/s2.c"
drive launch "$SORA_EXE" "$work" waitmain expect-instance 2 \
      drop 5001 1 "$work/s1.c" fl-wait-title s1.c 20000 drop 5001 1 "$work/s2.c" fl-wait-title s2.c 20000 \
      close waitexit 0 || fail
[ -f "$work/mycfg/8500.tmp2" ] && [ -f "$work/mycfg/8500.tmp1" ] || { echo "FAIL: no per-instance parked files"; fail; }
cmp -s "$work/mycfg/8500.tmp2" "$work/s1.c" || { echo "FAIL: copy 2 parked into another copy's file"; fail; }
echo "ok copies 1 and 2 park into 8500.tmp1 and 8500.tmp2"
drive waitclass Sora_EditorClass close waitexit 0 || fail
