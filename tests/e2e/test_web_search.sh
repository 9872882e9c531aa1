#!/usr/bin/env bash
# The web search against a local server: entries added in the settings
# dialog, a CP932 and a UTF-8 result page in the result list (Japanese
# titles, unquoted and capital anchors, an anchor without ">" counted once),
# the page saved as sora_html.html (as received), result rows fetched with
# their links resolved against the page (a folder, "../"), a 404 reported
# with its code, chunked bodies decoded and a cut one noted, and the word
# sent in UTF-8, percent-encoded.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/web_lib.sh"
mkdir -p "$work/mycfg"
start_web_server || exit 1

steps=("${open_search[@]}" dlg-press "ウェブ検索" 6124 dialog "検索設定" 10000)
add_entry "sjis" "$server" "/cp932/search" "q"; steps+=("${entry_steps[@]}")
add_entry "utf8" "$server" "/utf8/search" "q"; steps+=("${entry_steps[@]}")
add_entry "rel" "$server" "/rel/dir/search.html" "q"; steps+=("${entry_steps[@]}")
add_entry "chunked" "$server" "/chunked/s" "q"; steps+=("${entry_steps[@]}")
add_entry "cutchunk" "$server" "/cutchunk/s" "q"; steps+=("${entry_steps[@]}")
steps+=(dlg-press "検索設定" 2 dlg-gone "検索設定" 5000 dialog "ウェブ検索" 5000)
search "sjis" "日本語 テスト"; steps+=("${search_steps[@]}")
steps+=(web-wait-status 6127 "Connection And Socket Closed. Received buffer size adds up to 372 bytes" 2000
        dlg-expect-text "ウェブ検索" 6126 "検索語：日本語+テスト 4件（「>」のないアンカー1個）"
        dlg-rows "ウェブ検索" 6125 4
        dlg-cell "ウェブ検索" 6125 0 0 "/page/page1.html" dlg-cell "ウェブ検索" 6125 0 1 "日本語のページ"
        dlg-cell "ウェブ検索" 6125 1 0 "/page/page2.html" dlg-cell "ウェブ検索" 6125 1 1 "表示ソースの説明"
        dlg-cell "ウェブ検索" 6125 2 0 "http://www.example.jp/abs.html" dlg-cell "ウェブ検索" 6125 2 1 "外部リンク"
        dlg-cell "ウェブ検索" 6125 3 0 "/page/page3.html" dlg-cell "ウェブ検索" 6125 3 1 ""
        dlg-cell "ウェブ検索" 6125 0 2 "")
web_drive "${steps[@]}" sleep 300 || exit 1
screenshot results_cp932
grep -q '^request GET /cp932/search?q=%E6%97%A5%E6%9C%AC%E8%AA%9E+%E3%83%86%E3%82%B9%E3%83%88 HTTP/1.1 host 127.0.0.1:' \
  "$work/server.log" || { echo "no UTF-8 query at the server"; cat "$work/server.log"; exit 1; }
head -c 15 "$work/mycfg/sora_html.html" | grep -q '^HTTP/1.0 200 OK' || { echo "sora_html.html not saved"; exit 1; }

# A result row fetches its link from the same server; the UTF-8 page comes
# out in CP932 with "?" for the Korean letters; a long word is sent whole.
long=$(printf 'w%.0s' $(seq 240))
steps=(waitclass Sora_EditorClass dialog "ウェブ検索" 5000
       web-list-dblclick 6125 0 web-wait-enabled 6123 1 20000
       dlg-rows "ウェブ検索" 6125 2 dlg-cell "ウェブ検索" 6125 0 0 "/page/page2.html" dlg-cell "ウェブ検索" 6125 1 1 "三番目へ")
search "utf8" "abc"; steps+=("${search_steps[@]}")
steps+=(dlg-rows "ウェブ検索" 6125 3
        dlg-cell "ウェブ検索" 6125 0 1 "ユーティーエフ８の題名" dlg-cell "ウェブ検索" 6125 1 1 "??? and 日本"
        dlg-cell "ウェブ検索" 6125 2 1 "斜体の題" dlg-expect-text "ウェブ検索" 6126 "検索語：abc 3件")
steps+=(dlg-settext "ウェブ検索" 6121 "$long" dlg-press "ウェブ検索" 6123 web-wait-enabled 6123 1 20000
        dlg-rows "ウェブ検索" 6125 3)
# Relative links: "sub/page3.html" on /rel/dir/search.html, then "../up.html"
# on /rel/dir/sub/page3.html, then a missing page reported with its code.
search "rel" "x"; steps+=("${search_steps[@]}" dlg-rows "ウェブ検索" 6125 3
        web-list-dblclick 6125 0 web-wait-enabled 6123 1 20000 dlg-rows "ウェブ検索" 6125 3
        web-list-dblclick 6125 1 web-wait-enabled 6123 1 20000 dlg-rows "ウェブ検索" 6125 3
        web-list-dblclick 6125 2 web-wait-enabled 6123 1 20000 dlg-rows "ウェブ検索" 6125 0
        dlg-expect-text "ウェブ検索" 6126 "サーバーがエラーを返しました（HTTP 404 Not Found）。")
search "chunked" "x"; steps+=("${search_steps[@]}" dlg-rows "ウェブ検索" 6125 4
        dlg-cell "ウェブ検索" 6125 0 1 "日本語のページ")
cut=$(python3 -c '
import sys
body = open(sys.argv[1], "rb").read()
data = b"".join(b"%x\r\n%s\r\n" % (len(body[i:i + 50]), body[i:i + 50]) for i in range(0, len(body), 50)) + b"0\r\n\r\n"
print(len(b"HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=Shift_JIS\r\nTransfer-Encoding: chunked\r\n\r\n") + len(data) // 2)
' "$SORA_ROOT/tests/e2e/web_pages/results_cp932.html")
search "cutchunk" "x"; steps+=("${search_steps[@]}" web-wait-status 6127
        "Connection And Socket Closed. Received buffer size adds up to $cut bytes (closed before the end of the body)" 2000)
steps+=(dlg-press "ウェブ検索" 2 dlg-gone "ウェブ検索" 5000 web-terminate)
web_drive "${steps[@]}" || exit 1
for want in "/page/page1.html HTTP/1.1 host 127.0.0.1:$port" "/utf8/search?q=$long HTTP/1.1" \
            "/rel/dir/sub/page3.html HTTP/1.1" "/rel/dir/up.html HTTP/1.1" "/rel/dir/missing.html HTTP/1.1"; do
  grep -qF "request GET $want" "$work/server.log" || { echo "not requested: $want"; cat "$work/server.log"; exit 1; }
done
grep -q 'Transfer-Encoding: chunked' "$work/mycfg/sora_html.html" || { echo "the chunked reply was not saved as received"; exit 1; }
