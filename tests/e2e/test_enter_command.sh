#!/usr/bin/env bash
# Enter in the find entry and in the line-jump entry reaches the main window
# as the Enter command: with part of the find entry selected, Enter deletes
# that part; Enter on the line number moves the caret to that line.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
drive launch "$SORA_EXE" "$work" waitmain \
      settext 5011 "abcdef" select 5011 2 4 key 5011 13 expect-text 5011 "abef" \
      key 5011 13 expect-text 5011 "abef" \
      settext 5001 $'one\r\ntwo\r\nthree\r\nfour\r\nfive' \
      dblclick 5012 wait-control 5013 5000 settext 5013 "3" key 5013 13 \
      expect-line-start 5001 3 expect-status 2 "前の位置：1行目" \
      dblclick 5012 wait-control 5013 5000 key 5013 13 expect-line-start 5001 3 \
      command 2006 command 2005 \
      close waitexit 0 || exit 1
