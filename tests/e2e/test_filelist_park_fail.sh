#!/usr/bin/env bash
# When the text on show cannot be parked (its temporary file cannot be
# written), clicking another file's button says so and switches nothing:
# the edit stays in the pane, modified, and its button stays checked.
source "$(dirname "$0")/lib.sh"
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg/8501.tmp1"     # a folder where b.c's parked text would go
printf 'int a;\r\n' > "$work/a.c"
printf 'int b;\r\n' > "$work/b.c"
drive launch "$SORA_EXE" "$work" waitmain \
      drop 5001 1 "$work/a.c" drop 5001 1 "$work/b.c" \
      settext 5001 "unsaved edit of b" fl-set-modified 5001 1 \
      command 8500 answer "エラー" 1 \
      expect-text 5001 "unsaved edit of b" expect-modified 5001 1 \
      fl-expect-button 8501 "b.c" 1 fl-expect-button 8500 "a.c" 0 \
      close answer "注意" 7 waitexit 0 || fail
