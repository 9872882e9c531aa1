#!/usr/bin/env bash
# Three files opened in multi-file mode get buttons (the last as high as the
# others) and tree nodes; an edit,
# its selection and modified flag survive switching away and back (parked
# in "<id>.tmp1"); clicking the file on show changes nothing; the page
# button shows an empty page and comes back; after a restart the buttons
# come back in order, none checked; a listed file refused on the way back
# leaves the pane empty.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
# A failed step leaves no editor behind.
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
printf 'int a;\r\nint aa;\r\n' > "$work/a.c"
printf '#define B 1\r\n' > "$work/b.h"
printf 'plain text\r\n' > "$work/c.txt"
drive launch "$SORA_EXE" "$work" waitmain \
      drop 5001 1 "$work/a.c" drop 5001 1 "$work/b.h" drop 5001 1 "$work/c.txt" \
      fl-expect-button 8500 "a.c" 0 fl-expect-button 8501 "b.h" 0 fl-expect-button 8502 "c.txt" 1 \
      fl-tree-count 8 st-same-height 8500 8502 \
      command 8500 expect-text 5001 $'int a;\r\nint aa;\r\n' fl-expect-button 8500 "a.c" 1 \
      settext 5001 $'edited A\r\nsecond line' fl-set-modified 5001 1 select 5001 2 5 \
      command 8501 expect-text 5001 $'#define B 1\r\n' expect-modified 5001 0 \
      fl-expect-button 8501 "b.h" 1 fl-expect-button 8500 "a.c" 0 \
      command 8500 expect-text 5001 $'edited A\r\nsecond line' expect-modified 5001 1 expect-sel 5001 2 5 \
      command 8500 expect-text 5001 $'edited A\r\nsecond line' expect-sel 5001 2 5 || fail
[ "$(cat "$work/mycfg/8500.tmp1")" = $'edited A\r\nsecond line' ] || { echo "FAIL: 8500.tmp1 does not hold the edit"; fail; }
[ -f "$work/mycfg/8501.tmp1" ] || { echo "FAIL: no 8501.tmp1"; fail; }
echo "ok parked texts in mycfg/8500.tmp1 and 8501.tmp1"
screenshot filelist_bars
drive waitclass Sora_EditorClass \
      command 1413 fl-no-button 8500 expect-text 1413 "Files2" fl-tree-count 5 \
      command 1413 fl-expect-button 8500 "a.c" 1 expect-text 1413 "Files1" fl-tree-count 8 \
      close answer "注意" 7 waitexit 0 || fail
# c.txt grows a line over 16,384 bytes meanwhile: bringing it up is refused
# and leaves the pane empty, not showing b.h under c.txt's button.
{ head -c 16385 /dev/zero | tr '\0' 'c'; printf '\r\n'; } > "$work/c.txt"
drive launch "$SORA_EXE" "$work" waitmain \
      fl-expect-button 8500 "a.c" 0 fl-expect-button 8501 "b.h" 0 fl-expect-button 8502 "c.txt" 0 \
      fl-tree-count 8 command 8501 expect-text 5001 $'#define B 1\r\n' fl-expect-button 8501 "b.h" 1 \
      command 8502 answer "警告" 7 expect-text 5001 "" expect-modified 5001 0 \
      close waitexit 0 || fail
