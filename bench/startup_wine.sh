#!/usr/bin/env bash
# Start-to-window time of sora.exe against Wine's notepad of the same
# bitness, in the same run, through the end-to-end driver (5 starts each
# after one to warm up): the 32-bit exe against the 32-bit notepad
# (C:\windows\syswow64\notepad.exe; under qemu-i386 emulation both are
# emulated), and, when it is built, the x86_64 build against the 64-bit
# notepad (C:\windows\system32\notepad.exe). Each start includes the
# driver's own start, the same for both. Run after ./scripts/build.
# Usage: bench/startup_wine.sh [STARTS]
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/wine-session"
export SORA_WINEPREFIX="$top/build/wine-test-$SORA_WIN_RUN"
source "$top/scripts/wine-env"
n=${1:-5}
work=$(mktemp -d); mkdir -p "$work/mycfg"
wine_session_start || exit 1
trap 'wine_session_stop; rm -rf "$work"' EXIT
source "$top/bench/wine_starts.sh"
pair() { # LABEL BUILD NOTEPAD
  local label=$1 build=$top/build/cross-$2 notepad=$3
  [ -x "$build/src/app/exe/sora.exe" ] || { echo "$label: not built"; return; }
  local driver=$build/tests/e2e/sora-driver.exe load sora pad
  load=$(cut -d' ' -f1 /proc/loadavg)
  sora=$(ms_per_start "$n" "$driver" "$build/src/app/exe/sora.exe" waitmain)
  pad=$(ms_per_start "$n" "$driver" "$notepad" waitclass Notepad)
  printf '%-8s sora.exe %5d ms, notepad %5d ms per start: ratio %s (load %s)\n' \
         "$label" "$sora" "$pad" "$(echo "scale=2; $sora / $pad" | bc)" "$load"
}
[ "$SORA_WIN_ARCH" = i686 ] && pair "32-bit" i686 'C:\windows\syswow64\notepad.exe'
pair "x86_64" x86_64 'C:\windows\system32\notepad.exe'
