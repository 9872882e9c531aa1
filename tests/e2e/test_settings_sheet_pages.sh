#!/usr/bin/env bash
# The settings sheet beyond its first page: an empty indentation symbol
# refuses OK with a message and keeps the sheet open, and the indentation
# step typed as -3 is what the indentation command then uses; the compile
# options follow their check boxes (no option glued to the last one); the
# ticked history rows (a built-in one and an added one) leave the
# command-line combo; the search mode, the fixed compile output folder and
# the capture's BMP flag and fixed size are stored; the backup page accepts a folder and stores nothing. "簡易コンパイル
# の設定" opens the sheet on the compile page with the stored values, and
# the close writes them into "config.cfg".
source "$(dirname "$0")/lib.sh"
tool=${SORA_TOOL:-$SORA_ROOT/build/native/src/cli/sora-tool}
[ -x "$tool" ] || { echo "no sora-tool at $tool (set SORA_TOOL)"; exit 1; }
fail() { drive waitclass Sora_EditorClass terminate > /dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg"
win="Z:$(echo "$work" | tr / '\\')"
printf 'int main() { return 0; }\r\n' > "$work/m.c"
s="設定"
drive launch "$SORA_EXE" "$work" waitmain drop 5001 1 "$work/m.c" \
      st-combo-add 499 "dir /w" st-combo-add 499 "echo one" st-combo-add 499 "ver" st-combo-count 499 11 \
      command 233 \
      st-page "$s" 1 dlg-settext "$s" 6011 "-3" dlg-settext "$s" 6014 "" dlg-click "$s" 1 answer "注意" 1 dlg-settext "$s" 6014 "{" \
      st-page "$s" 2 dlg-expect-text "$s" 6044 "m.c" dlg-expect-text "$s" 6043 "-tW -tWM" \
      dlg-check "$s" 6032 0 dlg-click "$s" 6032 dlg-check "$s" 6038 1 dlg-click "$s" 6038 \
      dlg-expect-text "$s" 6043 "-tWM -v " dlg-check "$s" 6046 0 \
      st-page "$s" 3 st-list-check "$s" 6056 1 st-list-check "$s" 6056 9 \
      st-page "$s" 4 dlg-check "$s" 6065 0 dlg-check "$s" 6064 0 dlg-check "$s" 6063 1 dlg-check "$s" 6067 0 \
      st-page "$s" 5 dlg-expect-text "$s" 6088 "$win\\" \
      dlg-check "$s" 6083 0 dlg-check "$s" 6085 1 dlg-click "$s" 6085 dlg-settext "$s" 6088 'C:\cplout' \
      st-page "$s" 6 dlg-settext "$s" 6106 'C:\backup' \
      st-page "$s" 7 dlg-check "$s" 6072 1 dlg-check "$s" 6076 1 dlg-settext "$s" 6077 "320" dlg-settext "$s" 6079 "200" || fail
screenshot sheet_other_page
drive waitclass Sora_EditorClass \
      dlg-click "$s" 1 dlg-gone "$s" 5000 st-combo-count 499 9 \
      command 397 dlg-expect-text "$s" 6043 "-tWM -v " \
      st-page "$s" 5 dlg-expect-text "$s" 6088 'C:\cplout' st-page "$s" 7 dlg-expect-text "$s" 6077 "320" \
      dlg-click "$s" 2 dlg-gone "$s" 5000 \
      settext 5001 $'if(a){\r\n b;\r\n        }' command 227 answer "確認" 6 \
      st-wait-text 5001 $'if(a){\r\n   b;\r\n}' 10000 \
      close answer "注意" 7 waitexit 0 || fail
"$tool" config "$work/mycfg/config.cfg" > "$work/config.txt" || { echo "FAIL: config.cfg unreadable"; exit 1; }
for want in 'bCaptureToBmp=1' 'szCplOptions="-tWM -v "' 'btCplFlags=2' 'btbcc=2' 'szCplOutDir="C:\\cplout"' \
            'btSearchMode=0' 'bVarSyntax=0' 'cmdItems=9' 'cmdItem[1]="notepad.exe"' 'cmdItem[7]="dir /w"' 'cmdItem[8]="ver"' \
            'chIndentOpen="{"' 'btIndentWidth=3'; do
  grep -qxF "$want" "$work/config.txt" || { echo "FAIL: config.cfg lacks $want"; grep -v '^file\|^button' "$work/config.txt"; exit 1; }
done
echo "ok config.cfg holds the values of every page"
