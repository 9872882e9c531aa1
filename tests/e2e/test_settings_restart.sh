#!/usr/bin/env bash
# The settings sheet stores changed fields (reopen the last file, button
# layout "saved", indentation width typed as -4 stored as 4); closing
# writes "config.cfg" (no temporary file left); the next start reopens
# the file on show, lists it, brings back the user buttons, the window
# rectangle and the fonts of both panes (the fonts only while "restore the
# look" is on). Refused apply: equal indentation symbols keep the sheet open.
source "$(dirname "$0")/lib.sh"
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg"
printf 'int main() { return 0; }\r\n' > "$work/m.c"
drive launch "$SORA_EXE" "$work" waitmain \
      drop 5001 1 "$work/m.c" st-set-format 5001 "Courier New" 280 st-set-format 5002 "Courier New" 200 \
      fl-set-modified 5001 0 fl-set-modified 5002 0 st-move-main 20 30 700 520 \
      command 233 dlg-check "設定" 6002 1 dlg-check "設定" 6007 0 dlg-check "設定" 6006 1 \
      st-page "設定" 1 dlg-settext "設定" 6011 "-4" dlg-settext "設定" 6015 "{" \
      dlg-click "設定" 1 answer "注意" 1 \
      dlg-settext "設定" 6015 "}" || fail
screenshot settings_sheet
drive waitclass Sora_EditorClass dlg-click "設定" 1 dlg-gone "設定" 5000 \
      close waitexit 0 || fail
cfg="$work/mycfg/config.cfg"
[ -f "$cfg" ] || { echo "FAIL: no config.cfg"; exit 1; }
[ ! -e "$cfg.tmp1" ] || { echo "FAIL: config.cfg.tmp1 left behind"; exit 1; }
flags=$(od -An -tu1 -N12 "$cfg" | tr -s ' ')
echo "general flags:$flags"
set -- $flags
[ "$1" = 1 ] && [ "$2" = 1 ] && [ "${11}" = 4 ] || { echo "FAIL: stored flags $flags"; exit 1; }
echo "ok reopen 1, layout 1, indentation width 4 stored"
size1=$(stat -c %s "$cfg")
drive launch "$SORA_EXE" "$work" waitmain \
      expect-text 5001 $'int main() { return 0; }\r\n' fl-expect-button 8500 "m.c" 1 \
      st-expect-rect 20 30 700 520 st-expect-format 5001 "Courier New" 280 st-expect-format 5002 "Courier New" 200 \
      fl-expect-button 8000 "Top" -1 fl-expect-button 8001 "End" -1 \
      command 233 dlg-check "設定" 6008 0 dlg-click "設定" 1 dlg-gone "設定" 5000 \
      st-set-format 5001 "Arial" 240 fl-set-modified 5001 0 close waitexit 0 || fail
[ "$(stat -c %s "$cfg")" = "$size1" ] || { echo "FAIL: the session changed over a restart"; exit 1; }
grep -qa Arial "$cfg" || { echo "FAIL: the font was not stored"; exit 1; }
echo "ok the session came back and was written the same size"
# Without "restore the look" the stored font is not applied; the rectangle still is.
drive launch "$SORA_EXE" "$work" waitmain \
      st-expect-rect 20 30 700 520 st-expect-format 5001 "!Arial" 240 close waitexit 0 || fail
