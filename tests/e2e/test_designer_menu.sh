#!/usr/bin/env bash
# The menu designer end to end: the four combo boxes filled by Enter through
# the editor's pre-translation, a refused entry right of the last column, an
# entry deleted by a double-click, the live menu in the designer's own menu
# bar opened and chosen by keyboard, and the MENU script written at the start
# and at the end of the resource pane; both copies compile with windres.
# Then the dialog designer copies the menu designer's layout (press on the
# copy area, release over it; before "開始" the area only says so): the
# script holds its controls at their places.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
here=$(cd "$(dirname "$0")" && pwd)
MENU="メニュー作成"
PANEL="ダイアログ・リソーススクリプト作成"
drive launch "$SORA_EXE" "$work" waitmain settext 5002 "// marker" \
      command 403 dialog "$MENU" 10000 \
      dsg-expect-combo 7250 "項目1|なし|なし" dsg-expect-combo 7251 "項目2" \
      dsg-combo-enter 7253 "遠く" dsg-expect-box "左詰めで入力してください" dsg-expect-combo 7253 "" \
      dsg-combo-dblclick 7250 2 dsg-expect-combo 7250 "項目1|なし" \
      dsg-combo-enter 7251 "開く" dsg-combo-enter 7251 SEPARATOR dsg-combo-enter 7251 "終了" \
      dsg-combo-enter 7252 "ヘルプ" dsg-expect-combo 7251 "項目2|開く|SEPARATOR|終了" \
      dsg-menu 2 choose dsg-expect-box "メニューが選択されました" \
      dsg-menu 1 open || exit 1
screenshot menu_designer
# The pop-up of 項目2 is open: its first item is a command of the live menu.
drive waitclass Sora_EditorClass dialog "$MENU" 10000 dsg-menu-key 13 dsg-expect-box "メニューが選択されました" \
      dsg-command 7257 answer "確認" 6 \
      dlg-press "$MENU" 7261 dsg-combo-dblclick 7250 0 dsg-expect-combo 7250 "項目2|開く|SEPARATOR|終了" \
      dsg-command 7257 answer "確認" 6 \
      save-pane 5002 "$work/pane.cp932" \
      settext 5002 "" command 402 dialog "$PANEL" 10000 \
      dsg-command 7174 dlg-expect-text "$PANEL" 7174 "「開始」ボタンを押してからもう一度試してください" \
      dsg-command 7180 dsg-copylayout "$MENU" \
      dsg-command 7187 answer "確認" 6 save-pane 5002 "$work/layout.cp932" || exit 1
screenshot layout
python3 - "$work" <<'PY' || exit 1
import sys
work = sys.argv[1]
text = open(work + '/pane.cp932', 'rb').read().decode('cp932')
assert text.count('// marker') == 1, text
first, second = text.split('// marker')
assert first.startswith('\r\nUSERSMENU MENU DISCARDABLE\r\nBEGIN\r\n'), first
assert second.rstrip('\r\n').endswith('END') and 'USERSMENU MENU' in second, second
assert 'MENUITEM  SEPARATOR' in first and 'POPUP "項目2"' in first, first
for name, part in (('first', first), ('second', second)):
    open('%s/%s.rc' % (work, name), 'w', encoding='utf-8', newline='').write(
        '#pragma code_page(65001)\n#define IDM_USERS(n) (40000 + (n))\n' + part)
print('OK pane layout')
PY
for part in first second; do
  i686-w64-mingw32-windres -c 65001 -O res "$work/$part.rc" "$work/$part.res" || { echo "FAIL $part script"; exit 1; }
  python3 "$here/designer_res.py" "$work/$part.res" > "$work/$part.txt"
  cat "$work/$part.txt"
done
# Before the title of 項目1 was deleted, and after it.
printf 'MENU USERSMENU\n  POPUP 項目1\n    ITEM なし 40002\n  POPUP 項目2\n    ITEM 開く 40002\n    SEPARATOR\n    ITEM 終了 40002\n  ITEM ヘルプ 40001\n' > "$work/first.want"
printf 'MENU USERSMENU\n  POPUP 項目2\n    ITEM 開く 40002\n    SEPARATOR\n    ITEM 終了 40002\n  ITEM ヘルプ 40001\n' > "$work/second.want"
diff "$work/first.want" "$work/first.txt" || { echo "FAIL first menu"; exit 1; }
diff "$work/second.want" "$work/second.txt" || { echo "FAIL second menu"; exit 1; }
# The layout copied from the menu designer: its controls where its template puts them.
iconv -f CP932 -t UTF-8 "$work/layout.cp932" > "$work/layout.rc" || exit 1
grep -q 'CAPTION "メニュー作成"' "$work/layout.rc" || { echo "FAIL the title was not copied"; exit 1; }
{ printf '#include <windows.h>\n#pragma code_page(65001)\n'; cat "$work/layout.rc"; } > "$work/layout_full.rc"
i686-w64-mingw32-windres -c 65001 -O res "$work/layout_full.rc" "$work/layout.res" || { echo "FAIL layout script"; exit 1; }
python3 "$here/designer_res.py" "$work/layout.res" > "$work/layout.txt"
cat "$work/layout.txt"
python3 - "$work/layout.txt" <<'PY' || exit 1
import sys
rows = [l.split() for l in open(sys.argv[1])]
assert rows[0] == ['DIALOG', 'USERSDIALOG', '9'], rows[0]
want = [('STATIC', 4, 4, 322, 18)] + [('COMBOBOX', x, 24, 78, 90) for x in (4, 86, 168, 250)] + \
       [('BUTTON', 190, 116, 80, 16), ('BUTTON', 274, 116, 52, 16), ('BUTTON', 4, 120, 80, 10), ('BUTTON', 90, 120, 90, 10)]
got = [(r[1],) + tuple(int(v) for v in r[3:7]) for r in rows[1:]]
assert len(got) == len(want), got
for g, w in zip(got, want):
    assert g[0] == w[0] and all(abs(a - b) <= 1 for a, b in zip(g[1:], w[1:])), (g, w)
assert [int(r[7], 16) & 0xF for r in rows[-2:]] == [9, 9], rows  # the radio buttons stay radio buttons
print('OK copied layout')
PY
echo "OK designer menu"
