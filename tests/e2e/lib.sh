# Shared by the end-to-end scripts: a fresh start folder per test and the
# driver run under the project's Wine.
set -u
source "$SORA_ROOT/scripts/wine-session"
test_name=${SORA_TEST_NAME:-$(basename "$0" .sh)}
work="$SORA_TEST_OUT/$test_name"
rm -rf "$work"
mkdir -p "$work"
own_session=0
if [ -z "${SORA_SESSION:-}" ]; then
  wine_session_start || exit 1
  own_session=1
fi
# Stops copies of the editor this test left running, then our own session.
finish() {
  local rc=$?
  [ $rc -ne 0 ] && [ -n "${DISPLAY:-}" ] && import -display "$DISPLAY" -window root "$work/failure.png" 2>/dev/null
  # Copies of the editor this test started and left running would disturb
  # the next test of the session (instance numbers, files of the workspace).
  if [ -f "$work/sora-editor.pids" ]; then
    local pid
    for pid in $(cat "$work/sora-editor.pids"); do drive kill-pid "$pid" >/dev/null 2>&1; done
    rm -f "$work/sora-editor.pids"
  fi
  if [ -n "${SORA_WINESERVER_PID:-}" ] && [ "$own_session" = 1 ]; then wine_session_stop; fi
  exit $rc
}
trap finish EXIT

# drive STEPS...: runs the driver in the test's folder. Its output goes
# through a file: programs that the editor starts (file dialogs, the shell)
# may live on in the session and must not hold the test's own output open.
drive() {
  local out="$work/.drive.$$.$RANDOM"
  (cd "$work" && timeout -k 5 240 "$SORA_WINE" "$SORA_DRIVER" "$@") > "$out" 2>&1 </dev/null
  local rc=$?
  cat "$out"
  rm -f "$out"
  return $rc
}

# screenshot NAME: the whole Xvfb screen into the test's folder.
screenshot() {
  import -display "$DISPLAY" -window root "$work/$1.png" 2>/dev/null || true
}
