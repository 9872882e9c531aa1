#!/usr/bin/env bash
# A "config.cfg" cut in the middle of a field starts the editor with a
# warning, the fields before the cut (the file list) in use, and the damaged
# file kept as "config.cfg.bad"; a second damaged file is kept beside it as
# "config.cfg.bad2" instead of overwriting the first copy. A file of
# foreign bytes starts with the defaults. The close writes a whole file.
source "$(dirname "$0")/lib.sh"
tool=${SORA_TOOL:-$SORA_ROOT/build/native/src/cli/sora-tool}
[ -x "$tool" ] || { echo "no sora-tool at $tool (set SORA_TOOL)"; exit 1; }
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg"
printf 'int x;\r\n' > "$work/x.c"
cfg="$work/mycfg/config.cfg"
drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/x.c" close waitexit 0 || fail
full=$(stat -c %s "$cfg")
head -c $((full - 7)) "$cfg" > "$work/cut.cfg"     # inside the bar states (field 20)
cp "$work/cut.cfg" "$cfg"
drive launch "$SORA_EXE" "$work" answer "警告" 1 waitmain \
      fl-expect-button 8500 "x.c" 0 close waitexit 0 || fail
cmp "$cfg.bad" "$work/cut.cfg" || { echo "FAIL: config.cfg.bad is not the damaged file"; exit 1; }
"$tool" config "$cfg" > "$work/decoded.txt" || { echo "FAIL: the close did not write a whole file"; exit 1; }
echo "ok cut file kept as config.cfg.bad, file list restored, whole file written"
"$tool" config "$work/cut.cfg" > /dev/null 2> "$work/cut.err"; grep -q "field 20" "$work/cut.err" || { echo "FAIL: the cut is not in field 20"; exit 1; }
printf 'GIF89a\001\000 this is no settings file' > "$cfg"
cp "$cfg" "$work/foreign.cfg"
drive launch "$SORA_EXE" "$work" answer "警告" 1 waitmain fl-no-button 8500 close waitexit 0 || fail
cmp "$cfg.bad" "$work/cut.cfg" || { echo "FAIL: the first damaged copy was overwritten"; exit 1; }
cmp "$cfg.bad2" "$work/foreign.cfg" || { echo "FAIL: no config.cfg.bad2"; exit 1; }
echo "ok foreign file kept as config.cfg.bad2, the first copy untouched"
