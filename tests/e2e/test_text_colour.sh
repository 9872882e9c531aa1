#!/usr/bin/env bash
# The colouring pass on a small C file: braces by depth, parenthesised text,
# the literal and both comments in their colours, the rest untouched; the
# balance in the status bar; the document stays unmodified.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
printf 'int f(int a)\r\n{\r\n  if (a) { g("s"); }\r\n  // c\r\n  /* b */\r\n}\r\n{\r\n' > "$work/c1.c"
drive launch "$SORA_EXE" "$work" waitmain \
      drop 5001 1 "$work/c1.c" expect-modified 5001 0 \
      text-colour-pass 30000 \
      expect-modified 5001 0 \
      expect-status 0 "{ が1個多い" expect-status 1 "( と ) は同数です" \
      text-expect-colour 5001 0 5 000000 \
      text-expect-colour 5001 5 12 009595 \
      text-expect-colour 5001 14 15 FF0000 \
      text-expect-colour 5001 22 25 009595 \
      text-expect-colour 5001 26 27 FE00FE \
      text-expect-colour 5001 29 30 009595 \
      text-expect-colour 5001 30 33 FF0180 \
      text-expect-colour 5001 33 34 009595 \
      text-expect-colour 5001 36 37 FE00FE \
      text-expect-colour 5001 41 45 B400FF \
      text-expect-colour 5001 49 56 FF7D3F \
      text-expect-colour 5001 58 59 FF0000 \
      text-expect-colour 5001 61 62 FF0000 \
      text-expect-colour 5001 17 22 000000 \
      select 5001 0 0 sleep 300 || exit 1
screenshot coloured_pane
drive waitclass Sora_EditorClass save-pane 5001 "$work/back.c" || exit 1
cmp "$work/c1.c" "$work/back.c" || { echo "FAIL: colouring changed the text"; exit 1; }
drive waitclass Sora_EditorClass close waitexit 0 || exit 1
