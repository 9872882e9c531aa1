#!/usr/bin/env bash
# A 1 MiB result page over TLS from the local test server under Wine: the
# time from GO to the filled result list, against curl fetching the same
# page in the same run. The editor's figure is the driver's wait from
# posting the click on GO to the status text naming the whole reply (read
# across processes, so only once the dialog is idle again: after the links
# are listed); the list's row count is checked after. Best of 3 each.
# usage: bench/web_tls_wine.sh [CROSS_BUILD_DIR]
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/wine-env"
cross=$(cd "${1:-$top/build/cross-$SORA_WIN_ARCH}" && pwd)
export SORA_WINEPREFIX="$cross/wine-test" SORA_ROOT="$top"
source "$top/scripts/wine-env"
source "$top/scripts/wine-session"
wine_session_start || exit 1
work=$(mktemp -d)
mkdir -p "$work/mycfg"
source "$top/tests/e2e/web_tls_lib.sh"
trap 'stop_tls_servers; "$SORA_WINE" "$drv" waitclass Sora_EditorClass web-terminate >/dev/null 2>&1; wine_session_stop' EXIT
make_tls_certs "$work/tls" && trust_test_ca "$work/tls/ca.pem" || { echo "certificates not set up"; exit 1; }
start_tls_server good "$work/tls/good.pem" || exit 1
drv="$cross/tests/e2e/sora-driver.exe"
drive() { (cd "$work" && timeout 300 "$SORA_WINE" "$drv" "$@") > "$work/drive.out" 2>&1 </dev/null || { cat "$work/drive.out"; exit 1; }; }
entry() { # NAME PATH
  steps+=(dlg-settext "検索設定" 6681 "$1" dlg-settext "検索設定" 6684 "https://localhost:$port_good"
          dlg-settext "検索設定" 6687 "$2" dlg-settext "検索設定" 6692 q dlg-press "検索設定" 6701 answer "確認" 1)
}
steps=(launch "$cross/src/app/exe/sora.exe" "$work" waitmain command 310 dialog "ウェブ検索" 10000
       web-wait-status 6127 "Socket DLL Initialized." 5000 dlg-press "ウェブ検索" 6124 dialog "検索設定" 10000)
entry mib /mib/s; entry small /utf8/search
steps+=(dlg-press "検索設定" 2 dlg-gone "検索設定" 5000)
drive "${steps[@]}"
# reply_size PATH: the bytes of the whole reply, as the status text counts them.
reply_size() {
  curl -s -i --cacert "$work/tls/ca.pem" "https://localhost:$port_good$1" | wc -c
}
ms() { # ENTRY BYTES ROWS: one timed search, ended when the status names the reply's size
  drive waitclass Sora_EditorClass dialog "ウェブ検索" 5000 web-combo-select 6122 "$1" \
        web-press-timed 6123 6127 "Connection And Socket Closed. Received buffer size adds up to $2 bytes" 120000 \
        dlg-rows "ウェブ検索" 6125 "$3"
  grep -a 'ok web-press-timed' "$work/drive.out" | tr -d '\r' | sed -E 's/.* ([0-9]+) ms$/\1/'
}
curl_ms() {
  local s e
  s=$(date +%s%N)
  curl -s --cacert "$work/tls/ca.pem" -o "$work/curl.html" "https://localhost:$port_good/mib/s?q=x" || exit 1
  e=$(date +%s%N)
  echo $(( (e - s) / 1000000 ))
}
best() { local b=999999 t i; for i in 1 2 3; do t=$("$@"); [ "$t" -lt "$b" ] && b=$t; done; echo "$b"; }
c=$(best curl_ms)
links=$(grep -c '<a href' "$work/curl.html")
big_bytes=$(reply_size "/mib/s?q=x")
small_bytes=$(reply_size "/utf8/search?q=x")
# Alternating, so that each run waits for a status text the run before did not leave.
big=999999 small=999999
for i in 1 2 3; do
  t=$(ms mib "$big_bytes" "$links") || { echo "$t"; exit 1; }; [ "$t" -lt "$big" ] && big=$t
  t=$(ms small "$small_bytes" 3) || { echo "$t"; exit 1; }; [ "$t" -lt "$small" ] && small=$t
done
echo "page $(wc -c < "$work/curl.html") bytes over TLS, $links links"
echo "editor, GO to the list: $big ms (a 3-link page: $small ms)"
echo "curl, the page alone:   $c ms"
