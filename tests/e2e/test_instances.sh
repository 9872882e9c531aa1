#!/usr/bin/env bash
# Two copies get instance numbers 1 and 2; after the first ends, a new copy
# gets 1 again. The working folder exists, so no question is asked.
source "$(dirname "$0")/lib.sh"
mkdir -p "$work/mycfg"
drive launch "$SORA_EXE" "$work" waitmain expect-instance 1 sleep 60000 close waitexit 0 > "$work/first.log" 2>&1 &
first=$!
for _ in $(seq 100); do grep -q "ok expect-instance" "$work/first.log" 2>/dev/null && break; sleep 0.3; done
drive launch "$SORA_EXE" "$work" waitmain expect-instance 2 close waitexit 0 || exit 1
wait $first; rc=$?
cat "$work/first.log"
[ $rc -eq 0 ] || exit 1
drive launch "$SORA_EXE" "$work" waitmain expect-instance 1 close waitexit 0 || exit 1
