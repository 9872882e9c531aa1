#!/usr/bin/env bash
# Documents in today's encodings: a resource script written by Visual Studio
# (UTF-16LE with a byte order mark) opens converted, its dialogs are listed
# with their Japanese captions, and an overwrite without an edit gives its
# bytes back; a UTF-8 source with Japanese comments and LF line ends is
# overwritten unchanged, and an edit changes only what was edited; a UTF-8
# source with an emoji asks first: いいえ changes nothing, はい opens with "?"
# in its place and then refuses the overwrite; a file that reads as UTF-8
# and as CP932 alike asks which.
source "$(dirname "$0")/lib.sh"
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg"
iconv -f UTF-8 -t CP932 <<'RC' | sed 's/$/\r/' > "$work/cp932.rc"
#include <windows.h>

IDD_MAIN DIALOGEX 0, 0, 200, 100
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION
CAPTION "表示の設定"
FONT 9, "MS Shell Dlg"
BEGIN
    LTEXT "ソース名:", -1, 10, 10, 50, 8
    PUSHBUTTON "閉じる", IDCANCEL, 10, 30, 50, 14
END
RC
{ printf '\xff\xfe'; iconv -f CP932 -t UTF-16LE "$work/cp932.rc"; } > "$work/vs.rc"
cp "$work/vs.rc" "$work/vs.orig"
printf '\xef\xbb\xbf// 日本語のコメント: 表示とソース\nint main(void)\n{\n    return 0; /* 終わり */\n}\n' > "$work/u8.c"
cp "$work/u8.c" "$work/u8.orig"
printf '// 絵文字 \xf0\x9f\x98\x80 のある行\nint x;\n' > "$work/emoji.c"
printf '// \xe8\xa1\xa8\r\n' > "$work/unsure.c"   # 表 in UTF-8, or three CP932 characters
cp "$work/emoji.c" "$work/emoji.orig"
LIST="ダイアログリソースの列挙"

drive launch "$SORA_EXE" "$work" waitmain \
      command 200 file-dialog "ファイルを開く" "$work/vs.rc" \
      expect-title "[vs.rc]  (FileSize $(stat -c %s "$work/vs.rc")byte,TextSize(detected) $(stat -c %s "$work/cp932.rc")byte)  [utf-16le]" \
      expect-toolbar-enabled 202 1 \
      command 219 \
      dialog "$LIST" 10000 dlg-rows "$LIST" 7381 1 dlg-cell "$LIST" 7381 0 0 IDD_MAIN dlg-cell "$LIST" 7381 0 1 "表示の設定" \
      dlg-close "$LIST" command 202 || fail
cmp "$work/vs.rc" "$work/vs.orig" || { echo "FAIL: the UTF-16LE script changed"; fail; }
echo "ok a UTF-16LE script listed and overwritten byte for byte"

drive waitclass Sora_EditorClass drop 5001 1 "$work/u8.c" command 202 || fail
cmp "$work/u8.c" "$work/u8.orig" || { echo "FAIL: the UTF-8 source changed"; fail; }
drive waitclass Sora_EditorClass select 5001 0 0 replace-sel 5001 $'// 追加\r' command 202 || fail
{ printf '\xef\xbb\xbf// 追加\r'; tail -c +4 "$work/u8.orig"; } > "$work/u8.expected"
cmp "$work/u8.c" "$work/u8.expected" || { echo "FAIL: an edit changed more than the edit"; xxd "$work/u8.c" | head; fail; }
echo "ok a UTF-8 source overwritten unchanged, and only the edit after an edit"

u8text=$(tail -c +4 "$work/u8.c" | iconv -f UTF-8 -t CP932 | wc -c)
drive waitclass Sora_EditorClass drop 5001 1 "$work/emoji.c" answer "確認" 7 \
      expect-title "[u8.c]  (FileSize $(stat -c %s "$work/u8.c")byte,TextSize(detected) ${u8text}byte:OverWritten)  [utf-8-bom]" \
      drop 5001 1 "$work/emoji.c" answer "確認" 6 expect-toolbar-enabled 202 0 \
      command 202 answer "警告" 1 focus 5001 press ctrl+s answer "警告" 1 || fail
cmp "$work/emoji.c" "$work/emoji.orig" || { echo "FAIL: the emoji source changed"; fail; }
echo "ok an emoji: いいえ opens nothing, はい opens with ? and refuses the overwrite"
drive waitclass Sora_EditorClass \
      drop 5001 1 "$work/unsure.c" answer "確認" 2 expect-title "[emoji.c]  (FileSize 38byte,TextSize(detected) 28byte)  [utf-8]" \
      drop 5001 1 "$work/unsure.c" answer "確認" 7 expect-title "[unsure.c]  (FileSize 8byte,TextSize(detected) 8byte)" \
      drop 5001 1 "$work/unsure.c" answer "確認" 6 expect-title "[unsure.c]  (FileSize 8byte,TextSize(detected) 7byte)  [utf-8]" \
      save-pane 5001 "$work/unsure.pane" || fail
printf '// 表\r\n' | iconv -f UTF-8 -t CP932 | cmp - "$work/unsure.pane" || { echo "FAIL: the pane does not hold 表"; fail; }
echo "ok an unsure file asks: キャンセル opens nothing, いいえ takes CP932, はい the encoding found"
drive waitclass Sora_EditorClass terminate
