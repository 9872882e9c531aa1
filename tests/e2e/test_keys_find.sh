#!/usr/bin/env bash
# Shortcut keys pressed for real: Ctrl+F puts the selection into the find
# entry, F3 and Shift+F3 step through the hits, Ctrl+G opens the line jump
# (the status bar then names the line left),
# the pane keeps its own Ctrl+A; keys pressed in a modeless dialog (the web
# search) stay there.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
# Pane positions: a CR LF counts two; "alpha" at 0, 16 and 23.
printf 'alpha one\r\nbeta alpha\r\nalpha end' > "$work/k.c"
drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/k.c" \
      focus 5001 select 5001 0 5 press ctrl+f wait-focus 5011 30000 wait-text 5011 "alpha" 30000 \
      press f3 wait-sel 5001 16 21 30000 press f3 wait-sel 5001 23 28 30000 \
      press shift+f3 wait-sel 5001 16 21 30000 \
      focus 5001 select 5001 16 21 press ctrl+g wait-focus 5013 30000 press 3 press enter wait-focus 5001 30000 \
      expect-line-start 5001 3 expect-status 2 "前の位置：2行目" \
      press ctrl+a press z wait-text 5001 "z" 30000 || fail
echo "ok Ctrl+F, F3, Shift+F3, Ctrl+G, the pane's Ctrl+A"
# In the web search dialog the keys are the dialog's: the find entry and
# the line jump never take the focus from it (the "x" typed after them
# lands in its field), and the changed pane ("z") is not saved.
drive waitclass Sora_EditorClass \
      expect-modified 5001 1 command 310 focus-in "ウェブ検索" 6121 \
      press ctrl+f press ctrl+g press ctrl+s press f3 press x \
      wait-text-in "ウェブ検索" 6121 "x" 30000 \
      expect-modified 5001 1 expect-text 5011 "alpha" || fail
[ "$(cat "$work/k.c")" = $'alpha one\r\nbeta alpha\r\nalpha end' ] || { echo "FAIL: the dialog's Ctrl+S saved"; fail; }
drive waitclass Sora_EditorClass terminate
echo "ok keys in a modeless dialog stay there"
