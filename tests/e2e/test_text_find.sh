#!/usr/bin/env bash
# The find bar on a CP932 source: Enter finds the next hit of a word whose
# bytes hold 0x5C trail bytes, variable mode skips a hit inside an
# identifier, pattern mode opens the result list with the hits under their
# functions, and replace changes only the checked rows. Then the function
# jumps and the indentation.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
python3 - "$work" <<'PY'
import sys
work = sys.argv[1]
text = ('int f(void)\r\n{\r\n  a = 表示;\r\n}\r\n'
        'int g(int 表示)\r\n{\r\n  b = 表示 + y表示;\r\n}\r\n')
open(work + '/f.c', 'wb').write(text.encode('cp932'))
want = text.replace('a = 表示;', 'a = ZZ;').replace('y表示', 'yZZ')
open(work + '/want.c', 'wb').write(want.encode('cp932'))
# Pane positions count characters; a CR LF counts two.
hits = []
at = text.find('表示')
while at >= 0:
    hits.append(at)
    at = text.find('表示', at + 1)
open(work + '/hits', 'w').write(' '.join(map(str, hits)) + ' %d %d' % (text.find('f('), text.find('g(')))
PY
read h1 h2 h3 h4 fpos gpos < "$work/hits"
title="List of Strings Found(検出された文字列）"
drive launch "$SORA_EXE" "$work" waitmain \
      drop 5001 1 "$work/f.c" \
      settext 5011 "表示" command 1401 select 5001 0 0 \
      key 5011 13 expect-sel 5001 $h1 $((h1 + 2)) \
      key 5011 13 expect-sel 5001 $h2 $((h2 + 2)) \
      key 5011 13 key 5011 13 expect-sel 5001 $h4 $((h4 + 2)) \
      command 1402 select 5001 $h2 $((h2 + 2)) \
      key 5011 13 expect-sel 5001 $h3 $((h3 + 2)) \
      key 5011 13 expect-sel 5001 $h3 $((h3 + 2)) \
      command 1403 key 5011 13 \
      dialog "$title" 10000 \
      dlg-rows "$title" 7032 6 \
      dlg-cell "$title" 7032 0 0 "f(void)" dlg-cell "$title" 7032 1 0 "  LINE  3       " \
      dlg-cell "$title" 7032 1 1 "表示" \
      dlg-cell "$title" 7032 2 0 "g(int 表示)" dlg-cell "$title" 7032 3 0 "  LINE  5       " \
      dlg-cell "$title" 7032 5 1 "y表示" \
      dlg-cell "$title" 7032 0 2 "被検索語:表示" dlg-cell "$title" 7032 1 2 "総数：4個" \
      dlg-cell "$title" 7032 2 2 "関数：2個" dlg-cell "$title" 7032 3 2 "検索モード：通常モード" || exit 1
screenshot listdlg2
drive waitclass Sora_EditorClass dialog "$title" 1000 \
      dlg-settext "$title" 7030 "ZZ" text-lv-state 7032 1 check text-lv-state 7032 5 check dlg-press "$title" 7034 \
      dlg-rows "$title" 7032 4 dlg-cell "$title" 7032 1 2 "総数：2個" \
      save-pane 5001 "$work/replaced.c" || exit 1
cmp "$work/want.c" "$work/replaced.c" || { echo "FAIL: replace changed other rows"; exit 1; }
drive waitclass Sora_EditorClass dialog "$title" 1000 dlg-press "$title" 2 dlg-gone "$title" 3000 \
      select 5001 0 0 command 221 expect-sel 5001 $fpos $fpos \
      command 221 expect-sel 5001 $gpos $gpos \
      command 222 expect-sel 5001 $fpos $fpos || exit 1
# Indentation of the whole pane after its confirmation.
printf 'if(a){\r\n      b;\r\n}' > "$work/i_want.c"
drive waitclass Sora_EditorClass settext 5001 $'if(a){\r\n   b;\r\n        }' command 227 answer "確認" 6 sleep 500 \
      save-pane 5001 "$work/i_back.c" expect-status 0 "Indent Completed !" || exit 1
cmp "$work/i_want.c" "$work/i_back.c" || { echo "FAIL: indentation"; od -c "$work/i_back.c" | head; exit 1; }
drive waitclass Sora_EditorClass terminate || true
