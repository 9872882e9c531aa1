#!/usr/bin/env bash
# Start-to-window time of sora.exe against Wine's notepad, in the same run,
# through the end-to-end driver (5 starts each). Run after ./scripts/build.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/wine-session"
export SORA_WINEPREFIX="$top/build/wine-test-$SORA_WIN_RUN"
source "$top/scripts/wine-env"
build="$top/build/cross-$SORA_WIN_ARCH"
work=$(mktemp -d); mkdir -p "$work/mycfg"
wine_session_start || exit 1
trap 'wine_session_stop; rm -rf "$work"' EXIT
cd "$work"
measure() { # label exe wait-step...
  local label=$1 exe=$2; shift 2
  "$SORA_WINE" "$build/tests/e2e/sora-driver.exe" launch "$exe" "$work" "$@" terminate >/dev/null
  local s e
  s=$(date +%s%N)
  for _ in 1 2 3 4 5; do "$SORA_WINE" "$build/tests/e2e/sora-driver.exe" launch "$exe" "$work" "$@" terminate >/dev/null; done
  e=$(date +%s%N)
  printf '%-10s %6d ms per start\n' "$label" $(( (e - s) / 5000000 ))
}
measure sora.exe "$build/src/app/exe/sora.exe" waitmain
measure notepad 'C:\windows\notepad.exe' waitclass Notepad
