#!/usr/bin/env bash
# encodings.sh DIR: encoding detection on a folder of real files against
# `nkf --guess` and `uchardet` in the same run, then the time sora-tool
# takes to open (to-cp932, with its round-trip check) a 1 MiB UTF-8 and
# UTF-16LE file against a CP932 one made from the same text.
#
# DIR holds the files and truth.tsv (file<TAB>encoding<TAB>..., '#' lines
# skipped; encodings as `sora-tool encoding` names them). The peers do not
# tell a UTF-8 byte order mark apart: for them utf-8-bom counts as utf-8.
# Uses build/release/sora-tool (scripts/build tool), built when missing.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:?usage: bench/encodings.sh DIR}
truth="$dir/truth.tsv"
[ -f "$truth" ] || { echo "encodings.sh: no $truth" >&2; exit 2; }
tool="$top/build/release/src/cli/sora-tool"
[ -x "$tool" ] || SORA_JOBS=${SORA_JOBS:-1} "$top/scripts/build" tool >/dev/null
for peer in nkf uchardet; do
  command -v $peer >/dev/null || { echo "encodings.sh: $peer missing (scripts/setup installs it)" >&2; exit 2; }
done

# A peer's answer in sora-tool's names.
nkf_name() {
  case "$1" in
    Shift_JIS*|CP932*|Windows-31J*) echo cp932 ;;
    EUC-JP*|eucJP*|CP51932*) echo euc-jp ;;
    ISO-2022-JP*) echo iso-2022-jp ;;
    "UTF-8 (BOM)"*) echo utf-8-bom ;;
    UTF-8*) echo utf-8 ;;
    "UTF-16 LE"*|UTF-16LE*) echo utf-16le ;;
    "UTF-16 BE"*|UTF-16BE*|UTF-16*) echo utf-16be ;;
    ASCII*|US-ASCII*) echo ascii ;;
    *) echo "other:$1" ;;
  esac
}
uchardet_name() {
  case "$1" in
    SHIFT_JIS|WINDOWS-31J|CP932) echo cp932 ;;
    EUC-JP) echo euc-jp ;;
    ISO-2022-JP) echo iso-2022-jp ;;
    UTF-8) echo utf-8 ;;
    UTF-16LE) echo utf-16le ;;
    UTF-16BE) echo utf-16be ;;
    UTF-16) # uchardet names no byte order: take it from the BOM
      [ "$(head -c 2 "$2" | od -An -tx1 | tr -d ' ')" = fffe ] && echo utf-16le || echo utf-16be ;;
    ASCII) echo ascii ;;
    *) echo "other:$1" ;;
  esac
}
# True when a peer's answer counts: utf-8 for utf-8-bom, as said above.
peer_right() { [ "$1" = "$2" ] || { [ "$2" = utf-8-bom ] && [ "$1" = utf-8 ]; }; }

declare -A total ours nkf uch
misses=""
while IFS=$'\t' read -r file enc _; do
  case "$file" in ''|'#'*) continue ;; esac
  path="$dir/$file"
  [ -f "$path" ] || { echo "encodings.sh: missing $path" >&2; continue; }
  a=$("$tool" encoding "$path" | cut -f1)
  b=$(nkf_name "$(nkf --guess "$path")")
  c=$(uchardet_name "$(uchardet "$path")" "$path")
  total[$enc]=$(( ${total[$enc]:-0} + 1 ))
  [ "$a" = "$enc" ] && ours[$enc]=$(( ${ours[$enc]:-0} + 1 )) || misses+="  sora-tool $file: $a (truth $enc)"$'\n'
  peer_right "$b" "$enc" && nkf[$enc]=$(( ${nkf[$enc]:-0} + 1 )) || misses+="  nkf       $file: $b (truth $enc)"$'\n'
  peer_right "$c" "$enc" && uch[$enc]=$(( ${uch[$enc]:-0} + 1 )) || misses+="  uchardet  $file: $c (truth $enc)"$'\n'
done < "$truth"

printf '%-12s %5s %10s %10s %10s\n' encoding files sora-tool nkf uchardet
all=0; sa=0; na=0; ua=0
for enc in $(printf '%s\n' "${!total[@]}" | sort); do
  n=${total[$enc]}; s=${ours[$enc]:-0}; k=${nkf[$enc]:-0}; u=${uch[$enc]:-0}
  printf '%-12s %5d %10d %10d %10d\n' "$enc" "$n" "$s" "$k" "$u"
  all=$((all + n)); sa=$((sa + s)); na=$((na + k)); ua=$((ua + u))
done
pct() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f %%", b ? 100 * a / b : 0 }'; }
printf '%-12s %5d %10s %10s %10s\n' all "$all" "$(pct $sa $all)" "$(pct $na $all)" "$(pct $ua $all)"
[ -z "$misses" ] || printf 'misses:\n%s' "$misses"

# Open time: one CP932 text of about 1 MiB made from the folder's CP932
# files, the same text in UTF-8 and in UTF-16LE with a BOM.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: > "$work/seed.txt"
while IFS=$'\t' read -r file enc _; do
  [ "$enc" = cp932 ] && cat "$dir/$file" >> "$work/seed.txt"
done < "$truth"
[ -s "$work/seed.txt" ] || { echo "encodings.sh: no cp932 file to make the timing text from" >&2; exit 0; }
while [ "$(stat -c %s "$work/cp932.txt" 2>/dev/null || echo 0)" -lt 1000000 ]; do
  cat "$work/seed.txt" >> "$work/cp932.txt"
done
head -c 1040000 "$work/cp932.txt" > "$work/cut.txt"
# Cut on a line end so that no character is split.
head -n -1 "$work/cut.txt" > "$work/cp932.txt"
iconv -f CP932 -t UTF-8 "$work/cp932.txt" > "$work/utf8.txt"
{ printf '\xff\xfe'; iconv -f CP932 -t UTF-16LE "$work/cp932.txt"; } > "$work/utf16.txt"
echo
echo "open time (sora-tool to-cp932, release build), sizes: $(stat -c '%n %s' "$work"/{cp932,utf8,utf16}.txt | sed "s|$work/||" | tr '\n' ' ')"
"$tool" encoding "$work"/{cp932,utf8,utf16}.txt | sed "s|$work/||"
if command -v hyperfine >/dev/null; then
  hyperfine -N --warmup 3 --runs 20 --style basic \
    -n cp932 "$tool to-cp932 $work/cp932.txt" \
    -n utf-8 "$tool to-cp932 $work/utf8.txt" \
    -n utf-16le "$tool to-cp932 $work/utf16.txt" 2>&1 | grep -v '^ *$'
else
  for f in cp932 utf8 utf16; do
    start=$(date +%s%N)
    for _ in 1 2 3 4 5 6 7 8 9 10; do "$tool" to-cp932 "$work/$f.txt" >/dev/null; done
    echo "$f: $(( ($(date +%s%N) - start) / 10000000 )) ms per open"
  done
fi
