#!/usr/bin/env bash
# The menu designer end to end: the four combo boxes filled by Enter through
# the editor's pre-translation, a refused entry right of the last column, an
# entry deleted by a double-click, the live menu in the designer's own menu
# bar opened and chosen by keyboard, and the MENU script written at the start
# and at the end of the resource pane; both copies compile with windres.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
here=$(cd "$(dirname "$0")" && pwd)
MENU="メニュー作成"
drive launch "$SORA_EXE" "$work" waitmain settext 5002 "// marker" \
      command 403 dsg-window "$MENU" \
      dsg-expect-combo 7250 "項目1|なし|なし" dsg-expect-combo 7251 "項目2" \
      dsg-combo-enter 7253 "遠く" dsg-expect-box "左詰めで入力してください" dsg-expect-combo 7253 "" \
      dsg-combo-dblclick 7250 2 dsg-expect-combo 7250 "項目1|なし" \
      dsg-combo-enter 7251 "開く" dsg-combo-enter 7251 SEPARATOR dsg-combo-enter 7251 "終了" \
      dsg-combo-enter 7252 "ヘルプ" dsg-expect-combo 7251 "項目2|開く|SEPARATOR|終了" \
      dsg-menu 2 choose dsg-expect-box "メニューが選択されました" \
      dsg-menu 1 open || exit 1
screenshot menu_designer
# The pop-up of 項目2 is open: its first item is a command of the live menu.
drive waitclass Sora_EditorClass dsg-window "$MENU" dsg-menu-key 13 dsg-expect-box "メニューが選択されました" \
      dsg-command 7257 answer "確認" 6 \
      dsg-click 7261 dsg-combo-dblclick 7250 0 dsg-expect-combo 7250 "項目2|開く|SEPARATOR|終了" \
      dsg-command 7257 answer "確認" 6 \
      save-pane 5002 "$work/pane.cp932" dsg-command 2 || exit 1
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
echo "OK designer menu"
