#!/usr/bin/env bash
# A page with a form becomes a new search entry: the form-analysis dialog
# fetches it from the local server, the form result dialog lists one record
# per text input (the hidden field as option, the italic tag left out), the
# chosen record is registered after both confirmations, and a search with the
# new entry sends the form's variable and hidden field.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/web_lib.sh"
mkdir -p "$work/mycfg"
start_web_server || exit 1

steps=("${open_search[@]}" dlg-press "ウェブ検索" 6124 dialog "検索設定" 10000
       dlg-press "検索設定" 6699 dialog "HTMLのあるサイトを解析" 10000
       dlg-settext "HTMLのあるサイトを解析" 6713 "http://$server/page/form.html" dlg-press "HTMLのあるサイトを解析" 6714
       dialog "フォーム解析結果" 20000 dlg-rows "フォーム解析結果" 6718 2
       dlg-cell "フォーム解析結果" 6718 0 0 "$server" dlg-cell "フォーム解析結果" 6718 0 1 "/cgi/find" dlg-cell "フォーム解析結果" 6718 0 2 "GET"
       dlg-cell "フォーム解析結果" 6718 0 3 "word=" dlg-cell "フォーム解析結果" 6718 0 4 "hid=1"
       dlg-cell "フォーム解析結果" 6718 1 3 "second=v2" dlg-cell "フォーム解析結果" 6718 1 4 "hid=1"
       web-list-dblclick 6718 0 answer "確認" 6 answer "確認" 1
       dlg-gone "HTMLのあるサイトを解析" 5000 dialog "検索設定" 5000 dlg-expect-text "検索設定" 6681 "新規"
       dlg-press "検索設定" 2 dlg-gone "検索設定" 5000 dialog "ウェブ検索" 5000)
search "$server" "abc"; steps+=("${search_steps[@]}" web-terminate)
web_drive "${steps[@]}" || exit 1
grep -q '^request GET /page/form.html HTTP/1.1 host 127.0.0.1:' "$work/server.log" || { echo "form page not fetched"; exit 1; }
grep -q '^request GET /cgi/find?word=abc&hid=1 HTTP/1.1' "$work/server.log" || { echo "new entry not used"; cat "$work/server.log"; exit 1; }
