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
python3 "$top/bench/gen_csource.py" 1048575 > "$work/big.c"
# padded with spaces to the largest size the editor reads (zero bytes would
# make it a binary file)
head -c $((1048575 - $(stat -c %s "$work/big.c"))) /dev/zero | tr '\0' ' ' >> "$work/big.c"

source "$top/bench/wine_starts.sh"
big() { # EXE DRIVER: "open-ms colour-ms longest-stall-ms"
  local out
  out=$(start_once "$2" "$1" waitmain \
        clock-start drop-nowait 5001 1 "$work/big.c" busy-wait 600000 clock-print open \
        expect-title "[big.c]  (FileSize 1048575byte,TextSize(detected) 1048575byte)" \
        text-colour-pass 600000 terminate)
  echo "$out" >> "$work/log"
  local open colour gap
  open=$(echo "$out" | sed -n 's/.*open took \([0-9]*\) ms.*/\1/p; s/.*open.* ms=\([0-9]*\).*/\1/p' | tail -1)
  colour=$(echo "$out" | sed -n 's/.*text-colour-pass total_ms=\([0-9]*\).*/\1/p')
  gap=$(echo "$out" | sed -n 's/.*longest_gap_ms=\([0-9]*\).*/\1/p')
  echo "${open:-?} ${colour:-?} ${gap:-?}"
}
x64=$top/build/cross-x86_64
s32=$(ms_per_start 5 "$SORA_DRIVER" "$SORA_EXE" waitmain)
s64=$(ms_per_start 5 "$x64/tests/e2e/sora-driver.exe" "$x64/src/app/exe/sora.exe" waitmain)
snp=$(ms_per_start 5 "$x64/tests/e2e/sora-driver.exe" 'C:\windows\system32\notepad.exe' waitclass Notepad)
snp32=$(ms_per_start 5 "$SORA_DRIVER" 'C:\windows\syswow64\notepad.exe' waitclass Notepad)
read -r o32 c32 g32 <<< "$(big "$SORA_EXE" "$SORA_DRIVER")"
read -r o64 c64 g64 <<< "$(big "$x64/src/app/exe/sora.exe" "$x64/tests/e2e/sora-driver.exe")"
ratio() { echo "scale=2; $1 / ($2 + 0.001)" | bc 2>/dev/null || echo "?"; }
echo "| measurement ($SORA_WIN_RUN) | 32-bit sora.exe | x86_64 build | 32-bit / x86_64 |"
echo "|---|---|---|---|"
echo "| Wine's notepad, start to its window | $snp32 ms | $snp ms | $(ratio "$snp32" "$snp") |"
echo "| sora.exe, start to main window | $s32 ms | $s64 ms | $(ratio "$s32" "$s64") |"
echo "| 1 MiB source dropped, to its title | $o32 ms | $o64 ms | $(ratio "$o32" "$o64") |"
echo "| colouring it (longest stall) | $c32 ms ($g32 ms) | $c64 ms ($g64 ms) | $(ratio "$c32" "$c64") |"
