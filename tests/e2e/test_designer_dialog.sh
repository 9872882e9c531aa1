#!/usr/bin/env bash
# The dialog designer end to end: a width out of range refused; draw a
# button, an edit and a static on the design dialog, move one, drop one outside the dialog (it goes
# back), widen one by the fine adjustment and by the size
# box, align two, set a style flag, output the script into the resource pane
# (it compiles with windres and holds those controls), preview it from the pane's dialog list, customise it: delete a
# control, write the change back, and find the old text in backup.rc. The calling source written
# with the script compiles and runs under Wine.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
here=$(cd "$(dirname "$0")" && pwd)
PANEL="ダイアログ・リソーススクリプト作成"
compile() { # compile NAME: the saved pane text through windres, listed by designer_res.py
  iconv -f CP932 -t UTF-8 "$work/$1.cp932" > "$work/$1.rc" || return 1
  { printf '#include <windows.h>\n#pragma code_page(65001)\n'; cat "$work/$1.rc"; } > "$work/$1_full.rc"
  i686-w64-mingw32-windres -c 65001 -O res "$work/$1_full.rc" "$work/$1.res" || return 1
  python3 "$here/designer_res.py" "$work/$1.res" > "$work/$1.txt"
}
drive launch "$SORA_EXE" "$work" waitmain \
      command 402 dialog "$PANEL" 10000 dlg-settext "$PANEL" 7195 DESIGN dlg-settext "$PANEL" 7196 9 \
      dlg-settext "$PANEL" 7193 99999 dsg-command 7180 dsg-expect-box "幅は1～32767の数で入力してください" \
      dlg-settext "$PANEL" 7193 150 dsg-command 7180 \
      dialog DESIGN 10000 \
      dsg-draw 10 10 90 34 410 \
      dsg-draw 14 50 134 72 421 \
      dsg-draw 16 90 100 106 420 \
      dsg-pick 20 95 dsg-mouse 512 70 125 dsg-mouse 513 70 125 \
      dsg-pick 20 20 dsg-mouse 512 -60 -150 dsg-mouse 513 -60 -150 \
      expect-status 0 "ダイアログの外には置けません。コントロールを元の位置に戻しました。" \
      dsg-select-do 466 0 dialog "微調整" 10000 \
      dsg-scroll 7247 276 1 dsg-scroll 7247 276 1 dsg-scroll 7247 276 1 dsg-scroll 7247 276 1 \
      dialog DESIGN 10000 dsg-select-do 462 0 dsg-sizebox 60 20 \
      dialog "作成オプション" 10000 dlg-rows "作成オプション" 7229 3 dlg-cell "作成オプション" 7229 0 0 BUTTON \
      dlg-cell "作成オプション" 7229 0 5 144 dlg-cell "作成オプション" 7229 0 6 44 dlg-cell "作成オプション" 7229 2 1 "未" \
      dialog "作成オプション" 10000 dsg-command 7207 dialog DESIGN 10000 dsg-sizebox 40 24 \
      dialog "$PANEL" 10000 dsg-command 7184 \
      dialog DESIGN 10000 dsg-select-do 460 1 dialog "スタイルフラグの選択" 10000 dsg-check 473 ES_MULTILINE 1 \
      dialog "$PANEL" 10000 dsg-command 7181 \
      || exit 1
screenshot designer
drive waitclass Sora_EditorClass dialog "$PANEL" 10000 dsg-command 7187 answer "確認" 6 save-pane 5002 "$work/drawn.cp932" \
      save-pane 5001 "$work/designed_source.cp932" \
      dsg-command 7186 answer "確認" 6 dsg-command 2 \
      command 219 dialog "ダイアログリソースの列挙" 10000 dsg-select-row 7381 0 \
      dialog DESIGN 10000 dsg-expect-children 3 || exit 1
screenshot preview
compile drawn || { echo "FAIL drawn script does not compile"; exit 1; }
# The design dialog itself was made larger by its size box: the header says so.
grep -Eq 'USERSDIALOG DIALOGEX DISCARDABLE +0, 0, (1[6-9][0-9]|2[0-9][0-9]), (1[3-9][0-9])' "$work/drawn.rc" ||
  { grep USERSDIALOG "$work/drawn.rc"; echo "FAIL the dialog size"; exit 1; }
cat "$work/drawn.txt"
python3 - "$work/drawn.txt" <<'PY' || exit 1
import sys
rows = [l.split() for l in open(sys.argv[1])]
ctl = [r for r in rows if r[0] == 'CONTROL']
assert [r for r in rows if r[0] == 'DIALOG'][0][1:] == ['USERSDIALOG', '3'], rows
cls = [c[1] for c in ctl]
ids = [int(c[2]) for c in ctl]
x = [int(c[3]) for c in ctl]; y = [int(c[4]) for c in ctl]; cx = [int(c[5]) for c in ctl]
assert cls == ['BUTTON', 'EDIT', 'STATIC'], cls
assert ids == [101, 102, 103], ids
assert y[0] < y[1] < y[2], y                   # ordered by top edge; the static moved down
assert x[0] == x[1], x                         # the edit aligned on the button
assert x[2] > x[1] + 10, x                     # the static moved right, too far to align
assert int(ctl[1][7], 16) & 0x4, ctl[1]        # ES_MULTILINE chosen in the flag dialog
cy = [int(c[6]) for c in ctl]
# The button: 80 x 24 pixels drawn, 4 wider by the fine adjustment, 60 x 20 more by
# the size box; the edit 120 x 22 (dialog units round down).
assert abs(cx[0] * 120 - cx[1] * 144) <= 120 + 144, cx
assert abs(cy[0] * 22 - cy[1] * 44) <= 22 + 44, cy
print('OK drawn dialog')
PY
# The calling source written beside the script compiles with it and runs: the dialog stays
# while the focus visits every control and the button is clicked; IDCANCEL closes it.
cc=i686-w64-mingw32-gcc
[ "${SORA_WIN_RUN:-}" = x86_64 ] && cc=x86_64-w64-mingw32-gcc
iconv -f CP932 -t UTF-8 "$work/designed_source.cp932" > "$work/designed_source.c" &&
  grep '^#define' "$work/drawn.rc" > "$work/designed_ids.h" &&
  "${cc%gcc}windres" -i "$work/drawn.res" -O coff -o "$work/drawn_res.o" &&
  "$cc" -Wall -I"$work" -o "$work/designed.exe" "$here/designer_run.c" "$work/drawn_res.o" ||
  { echo "FAIL the calling source does not compile with its script"; exit 1; }
(cd "$work" && timeout -k 5 120 "$SORA_WINE" "$work/designed.exe" USERSDIALOG) ||
  { echo "FAIL the designed dialog does not run as its source says"; exit 1; }
# Customise the dialog from the pane: delete the button and write the change back;
# then delete the edit and write back again; then bring the edit back.
drive waitclass Sora_EditorClass dialog "ダイアログリソースの列挙" 10000 dsg-command 7384 dialog DESIGN 10000 \
      dsg-select-do 467 0 dialog "$PANEL" 10000 dsg-command 7187 answer "確認" 6 answer "確認" 6 \
      save-pane 5002 "$work/custom.cp932" \
      dialog DESIGN 10000 dsg-select-do 467 1 dialog "$PANEL" 10000 dsg-command 7187 answer "確認" 6 answer "確認" 6 \
      save-pane 5002 "$work/custom2.cp932" \
      dialog DESIGN 10000 dsg-select-do 460 1 dialog "スタイルフラグの選択" 10000 dsg-command 476 \
      dialog "$PANEL" 10000 dsg-command 7187 answer "確認" 6 answer "確認" 6 \
      save-pane 5002 "$work/custom3.cp932" dsg-command 2 close || exit 1
screenshot after
compile custom || { echo "FAIL customised script does not compile"; exit 1; }
cat "$work/custom.txt"
grep -q '^DIALOG USERSDIALOG 2$' "$work/custom.txt" || { echo "FAIL the deleted control is still there"; exit 1; }
grep -q '^CONTROL BUTTON' "$work/custom.txt" && { echo "FAIL the button was not deleted"; exit 1; }
grep -q '//CONTROL' "$work/custom.rc" || { echo "FAIL no commented-out statement"; exit 1; }
iconv -f CP932 -t UTF-8 "$work/mycfg/backup.rc" | grep -q 'save backup "USERSDIALOG"' || { echo "FAIL backup.rc"; exit 1; }
grep -q 'IDC_BUTTON1' "$work/mycfg/backup.rc" || { echo "FAIL backup.rc lacks the old text"; exit 1; }
# A second write-back finds the texts the first one left in the pane.
compile custom2 || { echo "FAIL second customised script does not compile"; exit 1; }
cat "$work/custom2.txt"
grep -q '^DIALOG USERSDIALOG 1$' "$work/custom2.txt" && grep -q '^CONTROL STATIC' "$work/custom2.txt" ||
  { echo "FAIL the second write-back"; exit 1; }
grep -q '////' "$work/custom2.rc" && { echo "FAIL a statement commented out twice"; exit 1; }
# The edit brought back by "復帰" after that write-back is in the script again.
compile custom3 || { echo "FAIL third customised script does not compile"; exit 1; }
cat "$work/custom3.txt"
grep -q '^DIALOG USERSDIALOG 2$' "$work/custom3.txt" && grep -q '^CONTROL EDIT' "$work/custom3.txt" ||
  { echo "FAIL the edit was not brought back"; exit 1; }
echo "OK designer dialog"
