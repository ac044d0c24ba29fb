# Shared by the KML and NMEA export benchmarks:
#   trackexport_run OURS-FORMAT GPSBABEL-FORMAT NAME
# with $build set. Prints the details, then "NAME: ours X s, gpsbabel Y s, ratio Y/X".
trackexport_run() {
  local ours=$1 theirs=$2 name=$3
  cmake --build "$build" --target gen_gpx bench_trackexport >/dev/null
  local bin="$build/bench"
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  local f="$tmp/track.gpx"
  "$bin/gen_gpx" 1000000 "$f"
  echo "track of 1000000 points: $(($(stat -c %s "$f") / 1048576)) MB"
  local os om oexp ps pm
  read -r os om oexp < <(measure "$bin/bench_trackexport" "$ours" "$f" "$tmp/ours.out")
  read -r ps pm _ < <(measure gpsbabel -t -i gpx -f "$f" -o "$theirs" -F "$tmp/theirs.out")
  echo "ours: $(($(stat -c %s "$tmp/ours.out") / 1048576)) MB, $(wc -l <"$tmp/ours.out") lines, export alone $oexp s, peak $om MB"
  echo "gpsbabel: $(($(stat -c %s "$tmp/theirs.out") / 1048576)) MB, $(wc -l <"$tmp/theirs.out") lines, peak $pm MB"
  awk -v n="$name" -v o="$os" -v p="$ps" 'BEGIN { printf "%s: ours %.3f s, gpsbabel %.3f s, ratio %.2f\n", n, o, p, p / o }'
}

# Runs a command and prints "seconds peak-MB" of that process, then the
# export's own seconds (the second number that our program prints).
measure() {
  /usr/bin/python3 - "$@" <<'PY'
import resource, subprocess, sys, time
t = time.perf_counter()
out = subprocess.run(sys.argv[1:], check=True, stdout=subprocess.PIPE, text=True).stdout.split()
e = time.perf_counter() - t
print(f"{e:.3f} {resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024:.0f} {out[1] if len(out) > 1 else '-'}")
PY
}
