#!/bin/sh
# Times grep and universal-ctags against "sora-tool find" and "sora-tool functions"
# on the same generated 1 MiB CP932 C source, in the same run.
# Usage: bench/peers_text.sh [BUILD_DIR]
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build/release}
[ -x "$build/src/cli/sora-tool" ] || "$here/../scripts/build" tool >/dev/null
tool=$build/src/cli/sora-tool
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
src=$tmp/big.c
python3 "$here/gen_csource.py" 1048576 > "$src"

# Mean seconds of one command line, by hyperfine.
mean() {
    hyperfine -N --warmup 2 --runs 10 --export-json "$tmp/h.json" "$1" > /dev/null 2>&1
    python3 -c "import json,sys; print(json.load(open(sys.argv[1]))['results'][0]['mean'])" "$tmp/h.json"
}

row() { # label peer-command ours-command
    peer=$(mean "$2"); ours=$(mean "$3")
    printf '%-34s %10.4f %10.4f %8.2f\n' "$1" "$peer" "$ours" "$(echo "$ours / $peer" | bc -l)"
}

printf '%-34s %10s %10s %8s\n' "task (peer vs sora-tool)" "peer s" "ours s" "ours/peer"
row "count 'return' (grep -F -c)" "grep -F -c return $src" "$tool find --mode normal return $src"
row "list 'return' (grep -F -o)" "grep -F -o return $src" "$tool find --mode normal return $src"
if command -v universal-ctags >/dev/null 2>&1 || command -v ctags >/dev/null 2>&1; then
    ctags=$(command -v universal-ctags || command -v ctags)
    row "functions (ctags -x --c-kinds=f)" "$ctags -x --c-kinds=f $src" "$tool functions $src"
fi
printf '%s: %s functions by sora-tool, %s by ctags\n' "check" \
    "$("$tool" functions "$src" | wc -l)" "$(${ctags:-true} -x --c-kinds=f "$src" 2>/dev/null | wc -l)"
