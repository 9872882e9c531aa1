#!/usr/bin/env bash
# Commands 404 and 405 ("16ビットアプリ", "HTML"): on Yes the skeleton of the
# string table is added, whole, at the end of the main pane wherever the caret
# is; No adds nothing. On the resource pane both refuse with their message
# and ask nothing.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
# The two texts as the string table holds them, in CP932 as the pane gives them back.
python3 - "$SORA_ROOT/src/resources/text.rc" "$work" <<'PY' || exit 1
import re, sys
rc = open(sys.argv[1], encoding='utf-8').read()
for name in ('IDS_SKELETON16', 'IDS_SKELETONHTML'):
    body = re.search(r'^\s*' + name + r'\s+"((?:[^"]|"")*)"', rc, re.M).group(1)
    text = body.replace('""', '"').replace('\\r', '\r').replace('\\n', '\n').replace('\\t', '\t')
    open(sys.argv[2] + '/' + name + '.txt', 'wb').write(text.encode('cp932'))
PY
printf 'int x;\r\n' > "$work/expect.txt"
cat "$work/IDS_SKELETON16.txt" >> "$work/expect.txt"
drive launch "$SORA_EXE" "$work" waitmain \
      settext 5001 $'int x;\r\n' select 5001 0 0 \
      command 404 answer "確認" 6 save-pane 5001 "$work/after404.txt" \
      command 405 answer "確認" 7 select 5001 3 3 \
      command 405 answer "確認" 6 save-pane 5001 "$work/after405.txt" || exit 1
cmp "$work/expect.txt" "$work/after404.txt" || { echo "FAIL: 404 did not add the 16-bit skeleton"; exit 1; }
cat "$work/IDS_SKELETONHTML.txt" >> "$work/expect.txt"
cmp "$work/expect.txt" "$work/after405.txt" || { echo "FAIL: 405 did not add the HTML skeleton"; exit 1; }
grep -q 'hPrevInstance' "$work/after404.txt" && grep -q 'charset=Shift_JIS' "$work/after405.txt" ||
  { echo "FAIL: skeleton texts"; exit 1; }
echo "ok both skeletons"
screenshot skeletons
drive waitclass Sora_EditorClass toolbar-click 1407 \
      command 404 answer-text "OK" "メインエディット画面に移ってからもう一度試してください。" 1 nobox "確認" 500 \
      command 405 answer-text "OK" "メインエディット画面に移ってからもう一度試してください。" 1 nobox "確認" 500 \
      toolbar-click 1407 save-pane 5001 "$work/after-refusal.txt" || exit 1
cmp "$work/expect.txt" "$work/after-refusal.txt" || { echo "FAIL: the refusals changed the pane"; exit 1; }
drive waitclass Sora_EditorClass terminate
