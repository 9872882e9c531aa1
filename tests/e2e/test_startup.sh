#!/usr/bin/env bash
# First start in a folder without "mycfg\": the working-folder question,
# Yes creates it; the title, the panes; closing ends with exit code 0.
source "$(dirname "$0")/lib.sh"
drive launch "$SORA_EXE" "$work" \
      answer "確認" 6 \
      waitmain \
      expect-title "Ｓｏｒａ_エディタ " \
      expect-control 5001 RichEdit \
      expect-control 5002 RichEdit \
      expect-control 5011 Edit \
      expect-control 5012 Static \
      expect-control 5000 msctls_statusbar32 \
      expect-instance 1 \
      sleep 500 \
      close waitexit 0 || exit 1
[ -d "$work/mycfg" ] || { echo "FAIL: mycfg was not created"; exit 1; }
echo "ok mycfg created"
