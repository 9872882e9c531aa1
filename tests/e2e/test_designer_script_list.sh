#!/usr/bin/env bash
# The dialog list (command 219) over a script as resource editors write them: a header
# beside the script gives the coordinates, statements run over several lines (after ",",
# "|" and NOT), and an unknown macro ends only its own dialog, with a message naming it.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg" "$work/proj"
cp932() { iconv -f UTF-8 -t CP932; }
printf '#define DLG_W 200\r\n#define DLG_H 100\r\n#define MARGIN 10\r\n#define IDC_NAME 1001\r\n#define ROW(y) MARGIN + (y) * 20\r\n' \
  > "$work/proj/dlg.h"
cp932 > "$work/proj/dlg.rc" <<'RC'
#include "dlg.h"

PLAIN DIALOGEX 0, 0, 200, 100
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION
CAPTION "Plain"
FONT 9, "MS Shell Dlg"
BEGIN
    LTEXT "a", -1, 10, 10, 50, 8
    PUSHBUTTON "b", 2, 10, 30, 50, 14
END

MACRO DIALOGEX 0, 0, DLG_W,
    DLG_H
STYLE DS_MODALFRAME | WS_POPUP |
      WS_CAPTION
CAPTION "表示"
FONT 9, "MS Shell Dlg"
BEGIN
    LTEXT "d:\\dir\\", -1, MARGIN,
          MARGIN, 50, 8, NOT
          WS_GROUP
    EDITTEXT IDC_NAME, MARGIN, ROW(1), 50, 14, ES_AUTOHSCROLL |
             NOT WS_BORDER
    PUSHBUTTON "b", 2, MARGIN, ROW(2), 50, 14
    UNKNOWN_MACRO
    PUSHBUTTON "lost", 3, 1, 1, 1, 1
END
RC
LIST="ダイアログリソースの列挙"
drive launch "$SORA_EXE" "$work" waitmain \
      command 200 file-dialog "ファイルを開く" "$work/proj/dlg.rc" \
      command 219 dialog "注意" 10000 list-dialogs answer "注意" 1 \
      dialog "$LIST" 10000 dlg-rows "$LIST" 7381 2 dlg-expect-text "$LIST" 7383 "総数：2 個" \
      dlg-cell "$LIST" 7381 0 0 PLAIN dlg-cell "$LIST" 7381 1 0 MACRO dlg-cell "$LIST" 7381 1 1 "表示" \
      dsg-select-row 7381 0 dialog Plain 10000 dsg-expect-children 2 list-dialogs \
      dialog "$LIST" 10000 dsg-select-row 7381 1 dialog "表示" 10000 dsg-expect-children 3 list-dialogs \
      > "$work/list.txt"
rc=$?
iconv -c -f CP932 -t UTF-8 "$work/list.txt" > "$work/list.utf8.txt"
cat "$work/list.utf8.txt"
[ $rc -eq 0 ] || exit 1
screenshot preview
grep -q 'UNKNOWN_MACRO' "$work/list.utf8.txt" || { echo "FAIL the box does not name the unknown macro"; exit 1; }
# The dialog whose size comes from the header beside the script is as large as the plain one.
plain=$(grep -o '"Plain" .* at [0-9-]*,[0-9-]* [0-9]*x[0-9]*' "$work/list.utf8.txt" | grep -o '[0-9]*x[0-9]*$')
macro=$(grep -o '"表示" .* at [0-9-]*,[0-9-]* [0-9]*x[0-9]*' "$work/list.utf8.txt" | grep -o '[0-9]*x[0-9]*$')
echo "sizes: plain $plain, from the header $macro"
[ -n "$plain" ] && [ "$plain" = "$macro" ] || { echo "FAIL the #define'd size"; exit 1; }
drive waitclass Sora_EditorClass close || exit 1
echo "OK dialog list over a real-world script"
