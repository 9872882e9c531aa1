#!/usr/bin/env bash
# The 32-bit exe beside the x86_64 build of the same sources, in one run and
# one Wine session: start to main window (5 starts each, Wine's notepad for
# scale) and a 1,048,575-byte CP932 source dropped into the editor and
# coloured. Where the kernel cannot run 32-bit code the 32-bit exe runs
# through qemu-i386 (scripts/wine-env): the difference is the emulation's
# cost, which the table states. Run after ./scripts/build.
set -u
top=$(cd "$(dirname "$0")/.." && pwd)
source "$top/scripts/wine-env"
[ "$SORA_WIN_ARCH" = i686 ] || { echo "bitness_wine: this machine cannot run the 32-bit exe at all"; exit 1; }
export SORA_ROOT=$top SORA_TEST_OUT=$top/build/bench-out SORA_WINEPREFIX=$top/build/wine-test-$SORA_WIN_RUN
export SORA_EXE=$top/build/cross-i686/src/app/exe/sora.exe SORA_DRIVER=$top/build/cross-i686/tests/e2e/sora-driver.exe
source "$top/tests/e2e/lib.sh"
mkdir -p "$work/mycfg"
python3 "$top/bench/gen_csource.py" 1048575 > "$work/big.c"
truncate -s 1048575 "$work/big.c"

starts() { # EXE DRIVER WAIT-STEPS...: ms per start, over 5 starts after one to warm up
  local exe=$1 driver=$2 s e; shift 2
  (cd "$work" && "$SORA_WINE" "$driver" launch "$exe" "$work" "$@" terminate) >/dev/null 2>&1
  s=$(date +%s%N)
  for _ in 1 2 3 4 5; do (cd "$work" && "$SORA_WINE" "$driver" launch "$exe" "$work" "$@" terminate) >/dev/null 2>&1; done
  e=$(date +%s%N)
  echo $(( (e - s) / 5000000 ))
}
big() { # EXE DRIVER: "open-ms colour-ms longest-stall-ms"
  local out
  out=$(cd "$work" && timeout -k 5 900 "$SORA_WINE" "$2" launch "$1" "$work" waitmain \
        clock-start drop 5001 1 "$work/big.c" \
        expect-title "[big.c]  (FileSize 1048575byte,TextSize(detected) 1048575byte)" clock-print open \
        text-colour-pass 600000 terminate 2>&1)
  local open colour gap
  open=$(echo "$out" | sed -n 's/.*open took \([0-9]*\) ms.*/\1/p; s/.*open.* ms=\([0-9]*\).*/\1/p' | tail -1)
  colour=$(echo "$out" | sed -n 's/.*text-colour-pass total_ms=\([0-9]*\).*/\1/p')
  gap=$(echo "$out" | sed -n 's/.*longest_gap_ms=\([0-9]*\).*/\1/p')
  echo "${open:-?} ${colour:-?} ${gap:-?}"
}
x64=$top/build/cross-x86_64
s32=$(starts "$SORA_EXE" "$SORA_DRIVER" waitmain)
s64=$(starts "$x64/src/app/exe/sora.exe" "$x64/tests/e2e/sora-driver.exe" waitmain)
snp=$(starts 'C:\windows\notepad.exe' "$x64/tests/e2e/sora-driver.exe" waitclass Notepad)
read -r o32 c32 g32 <<< "$(big "$SORA_EXE" "$SORA_DRIVER")"
read -r o64 c64 g64 <<< "$(big "$x64/src/app/exe/sora.exe" "$x64/tests/e2e/sora-driver.exe")"
ratio() { echo "scale=2; $1 / ($2 + 0.001)" | bc 2>/dev/null || echo "?"; }
echo "| measurement ($SORA_WIN_RUN) | 32-bit sora.exe | x86_64 build | 32-bit / x86_64 |"
echo "|---|---|---|---|"
echo "| start to main window (Wine notepad, 64-bit: $snp ms) | $s32 ms | $s64 ms | $(ratio "$s32" "$s64") |"
echo "| 1 MiB source dropped, to its title | $o32 ms | $o64 ms | $(ratio "$o32" "$o64") |"
echo "| colouring it (longest stall) | $c32 ms ($g32 ms) | $c64 ms ($g64 ms) | $(ratio "$c32" "$c64") |"
