# Sourced by the Wine benchmarks, with $work (a folder of the run) and
# SORA_WINE set.
#
# start_once DRIVER EXE STEPS...: EXE started by the driver in a fresh folder
# under $work (an editor ended by `terminate` leaves its workspace behind,
# which would change the next start), bounded to 15 minutes; the driver's
# output goes through a file (programs the editor starts may hold a pipe).
start_once() {
  local driver=$1 exe=$2 dir; shift 2
  dir=$(mktemp -d "$work/start.XXXX"); mkdir "$dir/mycfg"
  (cd "$dir" && timeout -k 5 900 "$SORA_WINE" "$driver" launch "$exe" "$dir" "$@") > "$dir.out" 2>&1 </dev/null
  cat "$dir.out"; rm -rf "$dir.out" "$dir"
}

# ms_per_start N DRIVER EXE WAIT-STEPS...: milliseconds per start to the
# window the steps wait for, over N starts after one to warm up.
ms_per_start() {
  local n=$1 driver=$2 exe=$3 s e; shift 3
  start_once "$driver" "$exe" "$@" terminate >/dev/null
  s=$(date +%s%N)
  for _ in $(seq "$n"); do start_once "$driver" "$exe" "$@" terminate >/dev/null; done
  e=$(date +%s%N)
  echo $(( (e - s) / (n * 1000000) ))
}
