#!/bin/sh
# Dump of one 1,048,575-byte file by xxd and by sora-tool hexdump, same run.
# usage: bench/peers_doc.sh BUILD_DIR
set -e
build=${1:-$(cd "$(dirname "$0")/.." && pwd)/build/release}
[ -x "$build/src/cli/sora-tool" ] || "$(dirname "$0")/../scripts/build" tool >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
head -c 1048575 /dev/urandom > "$tmp/in.bin"
best() {  # best of 5 wall-clock runs in milliseconds
    b=999999
    for i in 1 2 3 4 5; do
        s=$(date +%s%N); "$@" > /dev/null; e=$(date +%s%N)
        t=$(( (e - s) / 1000000 )); [ "$t" -lt "$b" ] && b=$t
    done
    echo "$b"
}
x=$(best xxd "$tmp/in.bin")
s=$(best "$build/src/cli/sora-tool" hexdump "$tmp/in.bin")
printf '%-22s %8s\n' tool ms
printf '%-22s %8s\n' "xxd" "$x"
printf '%-22s %8s\n' "sora-tool hexdump" "$s"
awk -v a="$s" -v b="$x" 'BEGIN { if (b > 0) printf "ratio sora/xxd %.2f\n", a / b }'
