#!/usr/bin/env bash
# The designer over scripts in today's encodings, opened into the resource pane
# beside their source: a UTF-8 script with "#pragma code_page(65001)" and a
# UTF-16LE script with a byte order mark, both holding captions whose last
# character ends in the byte 0x5C in code page 932 (表, 能, ソ) before a closing
# quote. Their dialogs are listed with the right captions and previewed; one
# control deleted in customise mode and the script saved from the resource pane
# (the header left as it was) gives the file back in its own encoding, only the
# changed line differing.
source "$(dirname "$0")/lib.sh"
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg" "$work/u8" "$work/u16"
LIST="ダイアログリソースの列挙"
PANEL="ダイアログ・リソーススクリプト作成"

script() { # script PRAGMA: the CP932 script with CR LF line ends
  iconv -f UTF-8 -t CP932 <<RC | sed 's/$/\r/'
#include <windows.h>
#pragma code_page($1)

IDD_TABLE DIALOGEX 0, 0, 200, 100
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION
CAPTION "一覧表"
FONT 9, "MS Shell Dlg"
BEGIN
    LTEXT "ソ", -1, 10, 10, 50, 8
    PUSHBUTTON "閉じる", IDCANCEL, 10, 30, 50, 14
END

IDD_FUNC DIALOGEX 0, 0, 180, 90
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION
CAPTION "機能"
FONT 9, "MS Shell Dlg"
BEGIN
    LTEXT "ミソ", -1, 10, 10, 50, 8
    PUSHBUTTON "表", IDOK, 10, 30, 50, 14
    PUSHBUTTON "閉じる", IDCANCEL, 70, 30, 50, 14
END
RC
}
script 65001 | iconv -f CP932 -t UTF-8 > "$work/u8/main.rc"
{ printf '\xff\xfe'; script 932 | iconv -f CP932 -t UTF-16LE; } > "$work/u16/main.rc"
for d in u8 u16; do
  printf 'int main()\r\n{\r\n}\r\n' > "$work/$d/main.cpp"
  cp "$work/$d/main.rc" "$work/$d/main.orig"
done

# check_saved DIR ENCODING BOM: the saved script decodes strictly in its encoding; the
# lines that differ are the control commented out (with its ソ), every other byte as it was.
check_saved() {
  python3 - "$work/$1/main.orig" "$work/$1/main.rc" "$2" "$3" <<'PY'
import sys
orig, saved = open(sys.argv[1], 'rb').read(), open(sys.argv[2], 'rb').read()
enc, bom = sys.argv[3], bytes.fromhex(sys.argv[4])
assert saved.startswith(bom), saved[:4]
o = orig[len(bom):].decode(enc).split('\r\n')
s = saved[len(bom):].decode(enc).split('\r\n')
assert len(o) == len(s), (len(o), len(s))
changed = [k for k in range(len(o)) if o[k] != s[k]]
assert changed and all(s[k].lstrip().startswith('//') for k in changed), [s[k] for k in changed]
assert any('ソ' in s[k] for k in changed), [s[k] for k in changed]
print('changed:', [s[k] for k in changed])
head = bom + '\r\n'.join(o[:changed[0]]).encode(enc)
tail = '\r\n'.join(o[changed[-1] + 1:]).encode(enc)
assert saved.startswith(head) and saved.endswith(tail), 'bytes outside the change differ'
PY
}

for d in u8 u16; do
  drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/$d/main.cpp" toolbar-click 1407 \
        command 219 dialog "$LIST" 10000 dlg-rows "$LIST" 7381 2 \
        dlg-cell "$LIST" 7381 0 0 IDD_TABLE dlg-cell "$LIST" 7381 0 1 "一覧表" \
        dlg-cell "$LIST" 7381 1 0 IDD_FUNC dlg-cell "$LIST" 7381 1 1 "機能" \
        dsg-select-row 7381 1 dialog "機能" 10000 dsg-expect-children 3 \
        dialog "$LIST" 10000 dsg-select-row 7381 0 dialog "一覧表" 10000 dsg-expect-children 2 \
        dialog "$LIST" 10000 dsg-command 7384 dialog "一覧表" 10000 dsg-select-do 467 0 \
        dialog "$PANEL" 10000 dsg-command 7187 answer "確認" 7 answer "確認" 6 \
        dsg-command 2 command 204 list-dialogs > "$work/$d.txt"
  rc=$?
  iconv -c -f CP932 -t UTF-8 "$work/$d.txt"
  [ $rc -eq 0 ] || fail
  screenshot "$d"
  drive waitclass Sora_EditorClass terminate > /dev/null
  if [ $d = u8 ]; then check_saved u8 utf-8 ''; else check_saved u16 utf-16-le fffe; fi || fail
  echo "ok $d: listed, previewed, customised and saved in its own encoding"
done
# backup.rc is the editor's own file: the old texts of both scripts in CP932 (ソ as 83 5C).
[ "$(grep -Fc $'LTEXT "\x83\x5c"' "$work/mycfg/backup.rc")" = 2 ] ||
  { echo "FAIL backup.rc is not the old text in CP932"; exit 1; }
echo "OK designer over UTF-8 and UTF-16 scripts"
