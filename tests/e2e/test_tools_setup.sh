#!/usr/bin/env bash
# The compiler setup check on a fake installation in the prefix's drive C:
# the start-up check shows the dialog by itself; the two configuration
# files are created and the start-up file completed through the preview,
# with a backup of the start-up file; a second check (command 406) finds
# every row set and changes nothing.
source "$(dirname "$0")/lib.sh"
# A failed step leaves the editor and its interpreter running: end them.
fail_out() { drive waitclass Sora_EditorClass kill-editor >/dev/null 2>&1; exit 1; }
mkdir -p "$work/mycfg"
c="$WINEPREFIX/drive_c"
bcc="$c/BORLAND/BCC55"
[ -e "$c/BORLAND" ] && { echo "FAIL: $c/BORLAND exists already"; exit 1; }
[ -e "$c/AUTOEXEC.BAT" ] && { echo "FAIL: $c/AUTOEXEC.BAT exists already"; exit 1; }
# Leave drive C as it was, whatever happens: the other tests must not see
# an installation at their start-up.
cleanup() { rm -rf "$c/BORLAND" "$c"/AUTOEXEC.BAT*; }
trap 'cleanup; finish' EXIT
mkdir -p "$bcc/BIN" "$bcc/INCLUDE" "$bcc/LIB/PSDK"
printf '@ECHO OFF\r\nSET TEMP=C:\\TEMP\r\n' > "$c/AUTOEXEC.BAT"
cp "$c/AUTOEXEC.BAT" "$work/autoexec.orig"
title="コンパイラbcc5.5.1使用のための設定確認"
write_item() {  # the preview of one row's button: preview, write, Yes, OK
  echo dlg-click "$title" "$1" dlg-click "設定" 6664 dlg-click "設定" 6665 answer "確認" 6 answer "OK" 1
}
# The running PATH names the BIN folder, so the start-up file counts as in
# effect once it sets PATH.
export WINEPATH='C:\BORLAND\BCC55\BIN'
drive launch "$SORA_EXE" "$work" maybe-answer "設定ファイルなし" 6 5000 waitmain \
      dlg-expect-text "$title" 6623 "設定" $(write_item 6623) \
      $(write_item 6624) \
      $(write_item 6621) \
      dlg-expect-text "$title" 6621 "確認" dlg-expect-text "$title" 6623 "確認" \
      dlg-expect-text "$title" 6624 "確認" dlg-close "$title" || fail_out
printf -- '-I"C:\\borland\\bcc55\\include"\r\n-L"C:\\borland\\bcc55\\lib;C:\\borland\\bcc55\\lib\\PSDK"\r\n' \
  | cmp - "$bcc/BIN/BCC32.CFG" || { echo "FAIL: BCC32.CFG"; cat -A "$bcc/BIN/BCC32.CFG"; exit 1; }
printf -- '-L"C:\\borland\\bcc55\\lib;C:\\borland\\bcc55\\lib\\PSDK"\r\n' \
  | cmp - "$bcc/BIN/ILINK32.CFG" || { echo "FAIL: ILINK32.CFG"; exit 1; }
grep -q 'PATH = "%PATH%;C:\\BORLAND\\BCC55\\BIN"' "$c/AUTOEXEC.BAT" || { echo "FAIL: AUTOEXEC.BAT"; cat -A "$c/AUTOEXEC.BAT"; exit 1; }
head -c "$(stat -c %s "$work/autoexec.orig")" "$c/AUTOEXEC.BAT" | cmp - "$work/autoexec.orig" || { echo "FAIL: old lines changed"; exit 1; }
cmp "$c/AUTOEXEC.BAT.bak" "$work/autoexec.orig" || { echo "FAIL: no backup of AUTOEXEC.BAT"; exit 1; }
ls "$c" "$bcc/BIN" | grep -q soratmp && { echo "FAIL: temporary file left"; exit 1; }
echo "ok the start-up check completed the installation"

sums=$(md5sum "$c/AUTOEXEC.BAT" "$bcc/BIN/BCC32.CFG" "$bcc/BIN/ILINK32.CFG")
drive waitclass Sora_EditorClass command 406 \
      dlg-expect-text "$title" 6621 "確認" dlg-expect-text "$title" 6623 "確認" \
      dlg-expect-text "$title" 6624 "確認" dlg-close "$title" \
      nobox "$title" 2000 \
      close expect-main-gone 30000 || fail_out
[ "$sums" = "$(md5sum "$c/AUTOEXEC.BAT" "$bcc/BIN/BCC32.CFG" "$bcc/BIN/ILINK32.CFG")" ] || { echo "FAIL: files changed"; exit 1; }
echo "ok a second check finds everything set"
