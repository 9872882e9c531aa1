#!/usr/bin/env bash
# A server that starts a reply and then says nothing is cut off after 30
# seconds without data, with a message; the dialog is idle again and the
# server sees the connection closed.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/web_lib.sh"
mkdir -p "$work/mycfg"
start_web_server || exit 1

steps=("${open_search[@]}")
register_entries silent /silent/s
steps+=("${register_steps[@]}" web-combo-select 6122 silent dlg-press "ウェブ検索" 6123
        web-wait-status 6127 "Request Accepted by the Connecting Server.Now Trying to Read.." 5000
        web-wait-enabled 6123 0 0 sleep 15000 answer "エラー" 1
        web-wait-status 6127 "Connection closed: no data from the server (time-out)" 2000
        web-wait-enabled 6123 1 0 web-wait-enabled 6121 1 0 web-terminate)
web_drive "${steps[@]}" || exit 1
