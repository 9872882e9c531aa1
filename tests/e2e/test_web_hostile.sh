#!/usr/bin/env bash
# Hostile servers end in the idle state with the search controls enabled: a
# reply over the 2 MiB buffer is cut at the buffer with a note, a
# server that closes early, sends garbage or never ends its header is told
# in the status text, a refused connection gives its message, and a server
# dripping one byte a second leaves the dialog responsive and closable, with
# the socket closed (the server sees the client go).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/web_lib.sh"
mkdir -p "$work/mycfg"
start_web_server || exit 1
closed="Connection And Socket Closed. Received buffer size adds up to"

steps=("${open_search[@]}")
register_entries big /big/s early /early/s garbage /garbage/s nohead /nohead/s drip /drip/s
steps+=("${register_steps[@]}")
add_entry refused "127.0.0.1:1" "/s" "q"
steps+=(dlg-press "ウェブ検索" 6124 dialog "検索設定" 10000 "${entry_steps[@]}" dlg-press "検索設定" 2 dlg-gone "検索設定" 5000
        dialog "ウェブ検索" 5000)
search big x; steps+=("${search_steps[@]}" web-wait-status 6127 "$closed 2097151 bytes (cut at the buffer size)" 2000
                      dlg-rows "ウェブ検索" 6125 0 dlg-expect-text "ウェブ検索" 6126 "検索語：x 0件")
search early x; steps+=("${search_steps[@]}" web-wait-status 6127 "$closed 110 bytes (closed before the end of the body)" 2000
                        dlg-rows "ウェブ検索" 6125 1 dlg-cell "ウェブ検索" 6125 0 1 "early")
search garbage x; steps+=("${search_steps[@]}" web-wait-status 6127 "$closed 3000 bytes (not an HTTP reply)" 2000)
search nohead x; steps+=("${search_steps[@]}" web-wait-status 6127 "$closed 552 bytes (no end of the header)" 2000
                         dlg-rows "ウェブ検索" 6125 0)
steps+=(web-combo-select 6122 refused dlg-press "ウェブ検索" 6123 answer "WSAGETSELECTERROR" 1 web-wait-enabled 6123 1 5000
        web-wait-enabled 6121 1 0 web-wait-enabled 6122 1 0)
steps+=(web-combo-select 6122 drip dlg-press "ウェブ検索" 6123 sleep 2500
        web-wait-status 6127 "Request Accepted by the Connecting Server.Now Trying to Read.." 1000
        web-wait-enabled 6123 0 0 dlg-settext "ウェブ検索" 6121 "still answering" dlg-expect-text "ウェブ検索" 6121 "still answering"
        dlg-press "ウェブ検索" 2 dlg-gone "ウェブ検索" 5000)
web_drive "${steps[@]}" || exit 1
for i in $(seq 50); do
  grep -q '^client gone drip' "$work/server.log" && break
  sleep 0.2
done
grep -q '^client gone drip' "$work/server.log" || { echo "the dripping connection was left open"; cat "$work/server.log"; exit 1; }

# The dialog opens again with sockets of its own and works.
search early again
web_drive waitclass Sora_EditorClass command 310 dialog "ウェブ検索" 10000 \
      web-wait-status 6127 "Socket DLL Initialized." 5000 "${search_steps[@]}" dlg-rows "ウェブ検索" 6125 1 web-terminate || exit 1
