# Shared by the web search tests (after lib.sh): the local HTTP server of
# web_server.py, started and stopped by its pid, and the driver steps that
# open the search dialog and register search entries pointing at it.
web_pid=
start_web_server() {
  python3 "$SORA_ROOT/tests/e2e/web_server.py" "$work/port" "$work/server.log" "$SORA_ROOT/tests/e2e/web_pages" &
  web_pid=$!
  local i
  for i in $(seq 100); do
    [ -s "$work/port" ] && break
    sleep 0.1
  done
  [ -s "$work/port" ] || { echo "web server did not start" >&2; return 1; }
  port=$(cat "$work/port")
  server="127.0.0.1:$port"
}
stop_web_server() {
  if [ -n "$web_pid" ]; then
    kill "$web_pid" 2>/dev/null
    wait "$web_pid" 2>/dev/null
    web_pid=
  fi
}
web_finish() {
  local rc=$?
  stop_web_server
  # A failed run leaves the editor open: end it so that nothing holds the
  # test's output.
  [ $rc -ne 0 ] && [ -n "${DISPLAY:-}" ] && import -display "$DISPLAY" -window root "$work/failure.png" 2>/dev/null
  [ $rc -ne 0 ] && drive web-terminate >/dev/null 2>&1 </dev/null
  (exit $rc)
  finish
}
trap web_finish EXIT

# Steps: start the editor, open the search dialog.
open_search=(launch "$SORA_EXE" "$work" waitmain command 310 dialog "ウェブ検索" 10000
             web-wait-status 6127 "Socket DLL Initialized." 5000)

# add_entry NAME SERVER PATH VARIABLE: steps registering a new entry in the
# settings dialog (which must be the dialog acted on).
add_entry() {
  local t="検索設定"
  entry_steps=(dlg-settext "$t" 6681 "$1" dlg-settext "$t" 6684 "$2" dlg-settext "$t" 6687 "$3"
               dlg-settext "$t" 6692 "$4" dlg-press "$t" 6701 answer "確認" 1 dlg-expect-text "$t" 6681 "新規")
}

# search ENGINE WORD: steps choosing the engine and pressing GO, then
# waiting until the fetch has ended (GO enabled again).
search() {
  search_steps=(web-combo-select 6122 "$1" dlg-settext "ウェブ検索" 6121 "$2" dlg-press "ウェブ検索" 6123
                web-wait-enabled 6123 1 20000)
}

# register_entries NAME PATH [NAME PATH...]: steps opening the settings
# dialog from the search dialog, adding one entry (on the local server,
# variable "q") per pair, and closing it again.
register_entries() {
  register_steps=(dlg-press "ウェブ検索" 6124 dialog "検索設定" 10000)
  while [ $# -ge 2 ]; do
    add_entry "$1" "$server" "$2" "q"
    register_steps+=("${entry_steps[@]}")
    shift 2
  done
  register_steps+=(dlg-press "検索設定" 2 dlg-gone "検索設定" 5000 dialog "ウェブ検索" 5000)
}

# web_drive STEPS...: drive with its output through a file. The saved page
# is opened with the shell, which may start programs of Wine's that live
# until the session ends; they must not hold the test's own output open.
web_drive() {
  drive "$@" > "$work/drive.out" 2>&1 </dev/null
  local rc=$?
  cat "$work/drive.out"
  return $rc
}
