#!/bin/sh
# Compiles every resource script of a folder with windres and compares the dialogs of each
# .res with what "sora-tool dialogs --json" lists; then times the reader on the largest script.
# Usage: bench/corpus_rc.sh DIR [BUILD_DIR]   (BUILD_DIR: a native build, default
# build/release, the optimised one that scripts/build tool makes)
# A script that windres cannot compile is reported and left out of the figures.
set -e
here=$(cd "$(dirname "$0")" && pwd)
dir=$(cd "${1:?usage: corpus_rc.sh DIR [BUILD_DIR]}" && pwd)
build=${2:-$here/../build/release}
[ -x "$build/src/cli/sora-tool" ] || "$here/../scripts/build" tool >/dev/null
tool=$build/src/cli/sora-tool
windres=${WINDRES:-i686-w64-mingw32-windres}
[ -x "$tool" ] || { echo "no sora-tool in $build (build it first)"; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

extra=""
[ -d "$dir/inc" ] && extra="-I $dir/inc"   # headers kept beside the scripts in an inc/ folder
largest=""
size=0
for f in "$dir"/*.rc "$dir"/*.RC "$dir"/*.Rc; do
    [ -f "$f" ] || continue
    name=$(basename "$f")
    printf '%s\n' "$f" > "$work/$name.path"
    # windres runs its preprocessor in the script's folder, as a resource compiler is run.
    (cd "$(dirname "$f")" && $windres -c 932 -I "$(dirname "$f")" $extra -i "$f" -O res -o "$work/$name.res") \
        > "$work/$name.windres" 2>&1 || rm -f "$work/$name.res"
    "$tool" dialogs "$f" --json > "$work/$name.json" 2> "$work/$name.notes" || true
    n=$(wc -c < "$f")
    if [ "$n" -gt "$size" ]; then size=$n; largest=$f; fi
done
python3 "$here/corpus_rc.py" "$work"

bench=$build/bench/bench_designer
[ -x "$bench" ] || ninja -C "$build" bench_designer >/dev/null 2>&1 || true
if [ -n "$largest" ] && [ -x "$bench" ]; then
    SORA_RC_FILE=$largest "$bench" --benchmark_filter=BM_ReadScriptFile --benchmark_format=json \
        > "$work/speed.json" 2> /dev/null
    python3 - "$work/speed.json" "$largest" "$size" <<'PY'
import json, sys, os
runs = json.load(open(sys.argv[1]))['benchmarks']
bps = runs[0]['bytes_per_second']
print('reader on the largest script, %s (%s bytes, its includes read too): %.1f MB/s'
      % (os.path.basename(sys.argv[2]), sys.argv[3], bps / 1e6))
PY
fi
