#!/usr/bin/env bash
# EUC-JP and ISO-2022-JP result pages list their titles in CP932: 〜 (EUC
# A1C1), NEC row 13 ① and half-width katakana (8E) survive, and an
# ISO-2022-JP page is converted at all (Wine has no code page for it).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/web_lib.sh"
mkdir -p "$work/mycfg"
start_web_server || exit 1

steps=("${open_search[@]}")
register_entries euc /eucjp/s jis /iso2022jp/s
steps+=("${register_steps[@]}")
search euc x; steps+=("${search_steps[@]}" dlg-rows "ウェブ検索" 6125 2
                      dlg-cell "ウェブ検索" 6125 0 1 "波～ダッシュ①" dlg-cell "ウェブ検索" 6125 1 1 "ｶﾀｶﾅと表")
search jis x; steps+=("${search_steps[@]}" dlg-rows "ウェブ検索" 6125 2
                      dlg-cell "ウェブ検索" 6125 0 1 "漢字の題名" dlg-cell "ウェブ検索" 6125 1 1 "JIS ～ 表"
                      dlg-press "ウェブ検索" 2 dlg-gone "ウェブ検索" 5000 web-terminate)
web_drive "${steps[@]}" || exit 1
