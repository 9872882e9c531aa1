#!/usr/bin/env bash
# HTTPS against local TLS servers with certificates made for this run (the
# test CA trusted in the private Wine prefix only): a result page listed
# (the server saw SNI localhost, Host localhost:PORT and the word in UTF-8);
# a self-signed, unknown-CA, wrong-name, expired and incomplete-chain
# certificate each refused with its reason and no request sent; garbage
# instead of TLS and a TLS 1.3-only server failing with a message; records
# passed on one byte at a time; a connection cut in mid-record; redirects
# (plain to TLS followed, TLS to plain refused, a loop stopped after 5); the
# idle timer after the handshake; the dialog closed during a handshake.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/web_lib.sh"
source "$(dirname "$0")/web_tls_lib.sh"
mkdir -p "$work/mycfg"
make_tls_certs "$work/tls" || { echo "certificates not made"; exit 1; }
trust_test_ca "$work/tls/ca.pem" || { echo "test CA not trusted"; exit 1; }
start_web_server || exit 1
for c in good self unknown wrong expired partial; do start_tls_server "$c" "$work/tls/$c.pem" || exit 1; done
start_tls_server tls13 "$work/tls/good.pem" tls13 || exit 1
start_tls_proxy drip drip "$port_good" && start_tls_proxy cut cut "$port_good" &&
  start_tls_proxy garbage garbage "$port_good" && start_tls_proxy hold hold "$port_good" || exit 1

steps=("${open_search[@]}" dlg-press "ウェブ検索" 6124 dialog "検索設定" 10000)
for e in good self unknown wrong expired partial tls13 drip garbage; do
  add_entry "$e" "https://localhost:$(eval echo \$port_$e)" "/utf8/search" "q"; steps+=("${entry_steps[@]}")
done
add_entry cut "https://localhost:$port_cut" "/big/s" "q"; steps+=("${entry_steps[@]}")
add_entry moved "$server" "/moved/s" "q"; steps+=("${entry_steps[@]}")
add_entry down "https://localhost:$port_good" "/moved/s" "q"; steps+=("${entry_steps[@]}")
add_entry loop "https://localhost:$port_good" "/loop/s" "q"; steps+=("${entry_steps[@]}")
add_entry silent "https://localhost:$port_good" "/silent/s" "q"; steps+=("${entry_steps[@]}")
add_entry hold "https://localhost:$port_hold" "/utf8/search" "q"; steps+=("${entry_steps[@]}")
steps+=(dlg-press "検索設定" 2 dlg-gone "検索設定" 5000 dialog "ウェブ検索" 5000)

search good "日本 語"; steps+=("${search_steps[@]}" dlg-rows "ウェブ検索" 6125 3
                             dlg-cell "ウェブ検索" 6125 0 1 "ユーティーエフ８の題名")
lead=$'localhost との安全な接続（HTTPS）を中止しました。\r\n'
refuse() { # ENTRY REASON
  search "$1" x
  steps+=("${search_steps[@]:0:10}" answer-text "エラー" "$lead$2" 1 web-wait-enabled 6123 1 5000)
}
refuse self "サーバーの証明書は自己署名のもので、信頼できません。"
refuse unknown "サーバーの証明書は信頼されていない認証局が発行したものです。"
refuse wrong "サーバーの証明書は別の名前のものです（接続先のホスト名と一致しません）。"
refuse expired "サーバーの証明書は有効期限が切れているか、まだ有効になっていません。"
refuse partial "サーバーの証明書の発行元をたどれません（証明書チェーンが不完全です）。"
search garbage x
steps+=("${search_steps[@]:0:10}" web-wait-status-has 6127 "サーバーが TLS の接続を確立する前に切断しました。" 20000
        answer "エラー" 1 web-wait-enabled 6123 1 5000)
search tls13 x
steps+=("${search_steps[@]:0:10}" web-wait-status-has 6127 "TLS 1.2 までの方式に応じませんでした。" 20000
        answer "エラー" 1 web-wait-enabled 6123 1 5000)
search drip x; steps+=("${search_steps[@]}" dlg-rows "ウェブ検索" 6125 3)
search cut x; steps+=("${search_steps[@]}" web-wait-status-has 6127 "(closed before the end of the body)" 2000)
search moved "https://localhost:$port_good/utf8/search?q=moved"; steps+=("${search_steps[@]}" dlg-rows "ウェブ検索" 6125 3)
search down "http://localhost:$port/utf8/search"
steps+=("${search_steps[@]:0:10}" answer-text "エラー" "HTTPS のページから暗号化されない HTTP のページへの転送は行いません。" 1
        web-wait-enabled 6123 1 5000)
search loop x
steps+=("${search_steps[@]:0:10}" answer-text "エラー" "転送が多すぎるため（5回まで）、ページの取得をやめました。" 1
        web-wait-enabled 6123 1 5000)
web_drive "${steps[@]}" || exit 1

grep -q '^sni localhost$' "$work/good.log" || { echo "no SNI"; cat "$work/good.log"; exit 1; }
grep -qF "request GET /utf8/search?q=%E6%97%A5%E6%9C%AC+%E8%AA%9E HTTP/1.1 host localhost:$port_good" "$work/good.log" ||
  { echo "query not seen"; cat "$work/good.log"; exit 1; }
for c in self unknown wrong expired partial; do
  ! grep -q '^request GET' "$work/$c.log" || { echo "a request went to the $c server"; exit 1; }
done
grep -q '^tls failed' "$work/tls13.log" || { echo "the TLS 1.3 server saw no failed handshake"; exit 1; }
grep -qF "request GET /utf8/search?q=moved HTTP/1.1 host localhost:$port_good" "$work/good.log" ||
  { echo "plain-to-TLS redirect not followed"; exit 1; }
! grep -q "^request GET /utf8/search HTTP" "$work/server.log" || { echo "TLS-to-plain redirect followed"; exit 1; }
[ "$(grep -c '^request GET /loop/' "$work/good.log")" = 6 ] || { echo "loop not stopped after 5 redirects"; exit 1; }

# Silence after the handshake ends on the idle timer; closing the dialog
# during a handshake leaves no connection.
search silent x
steps=(waitclass Sora_EditorClass dialog "ウェブ検索" 5000 "${search_steps[@]:0:10}" sleep 15000
       answer-text "エラー" "サーバーから30秒間応答がないため、接続を切りました。" 1 web-wait-enabled 6123 1 5000)
search hold x
steps+=("${search_steps[@]:0:10}" sleep 1500 web-wait-enabled 6123 0 0 dlg-press "ウェブ検索" 2 dlg-gone "ウェブ検索" 5000
        web-terminate)
web_drive "${steps[@]}" || exit 1
for i in $(seq 50); do
  grep -q '^client gone' "$work/hold.log" && break
  sleep 0.2
done
grep -q '^client gone' "$work/hold.log" || { echo "the connection in handshake was left open"; exit 1; }
