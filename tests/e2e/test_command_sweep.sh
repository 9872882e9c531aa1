#!/usr/bin/env bash
# Every command id of the main window's table, and the ids between them,
# can be sent without a crash; questions and dialogs they open are answered
# with No or Cancel. The wrapped comment (2009) leaves the pane modified,
# so the exit command asks first; OK ends the editor with code 0.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
drive launch "$SORA_EXE" "$work" waitmain \
      sweep 100 470 sweep 956 1000 sweep 1400 1415 sweep 2000 2013 \
      sweep 5012 5013 sweep 8000 8002 sweep 8500 8502 sweep 9997 9997 \
      command 100 answer "注意" 7 waitexit 0 || exit 1
