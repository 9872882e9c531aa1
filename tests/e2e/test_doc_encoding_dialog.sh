#!/usr/bin/env bash
# "文字コードの指定..." of the ファイル menu opens its dialog over the main
# window: a choice with OK closes it, and キャンセル closes it with the
# editor as it was. SORA_SHOT=1 keeps a screenshot of the dialog.
source "$(dirname "$0")/lib.sh"
title="文字コードの指定"
mkdir -p "$work/mycfg"
drive launch "$SORA_EXE" "$work" waitmain \
      command 209 dialog "$title" 10000 dlg-press "$title" 7802 dlg-click "$title" 1 dlg-gone "$title" 5000 \
      command 209 dialog "$title" 10000 || exit 1
[ "${SORA_SHOT:-0}" = 1 ] && screenshot encoding_dialog
drive waitclass Sora_EditorClass \
      dlg-press "$title" 7807 dlg-click "$title" 2 dlg-gone "$title" 5000 \
      expect-title "Ｓｏｒａ_エディタ " expect-modified 5001 0 \
      close waitexit 0 || exit 1
