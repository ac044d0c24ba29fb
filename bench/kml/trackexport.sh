# Shared by the KML and NMEA export benchmarks:
#   trackexport_run OURS-FORMAT GPSBABEL-FORMAT NAME [REFERENCE-FORMAT]
# with $build set. Exports the 1,000,000-point track of the GPX benchmark
# (GPX in, the format out) beside gpsbabel doing the same work, then
# 4,000,000 points of ours for the growth. With a reference format, gpsbabel
# runs once more with it, for reference only. The last line is
# "NAME: ours X s, gpsbabel Y s, ratio Y/X".
trackexport_run() {
  local ours=$1 theirs=$2 name=$3 reference=${4:-}
  cmake --build "$build" --target gen_gpx bench_trackexport >/dev/null
  local bin="$build/bench"
  tmp=$(mktemp -d)
  trap 'rm -rf "$tmp"' EXIT
  local f="$tmp/track.gpx" f4="$tmp/track4.gpx"
  "$bin/gen_gpx" 1000000 "$f"
  sync "$f"  # the input on the disk before anything is timed
  echo "track of 1000000 points: $(($(stat -c %s "$f") / 1048576)) MB"
  local os om oexp oc ps pm rs rm o4 om4 o4exp o4c
  read -r os om oexp oc < <(measure "$bin/bench_trackexport" "$ours" "$f" "$tmp/ours.out")
  echo "ours: $(($(stat -c %s "$tmp/ours.out") / 1048576)) MB, $(wc -l <"$tmp/ours.out") lines, export alone $oexp s, peak $om MB"
  rm -f "$tmp/ours.out"
  read -r ps pm _ < <(measure gpsbabel -t -i gpx -f "$f" -o "$theirs" -F "$tmp/theirs.out")
  echo "gpsbabel -o $theirs: $(($(stat -c %s "$tmp/theirs.out") / 1048576)) MB, $(wc -l <"$tmp/theirs.out") lines, peak $pm MB"
  rm -f "$tmp/theirs.out"
  if [ -n "$reference" ]; then
    read -r rs rm _ < <(measure gpsbabel -t -i gpx -f "$f" -o "$reference" -F "$tmp/theirs.out")
    rm -f "$tmp/theirs.out"
    awk -v n="$name" -v r="$reference" -v o="$os" -v p="$rs" -v pm="$rm" 'BEGIN {
      printf "%s (reference, gpsbabel -o %s): ours %.3f s, gpsbabel %.3f s (%d MB), ratio %.2f\n", n, r, o, p, pm, p / o }'
  fi
  "$bin/gen_gpx" 4000000 "$f4"
  sync "$f4"
  read -r o4 om4 o4exp o4c < <(measure "$bin/bench_trackexport" "$ours" "$f4" "$tmp/ours.out")
  echo "ours, 4M points: $(($(stat -c %s "$tmp/ours.out") / 1048576)) MB"
  rm -f "$tmp/ours.out" "$f4"
  awk -v n="$name" -v o="$os" -v c="$oc" -v o4="$o4" -v m="$om4" -v c4="$o4c" 'BEGIN {
    printf "%s 4M points: ours %.3f s (%d MB, %.3f s CPU), %.2f times the 1M time (CPU %.2f times)\n", n, o4, m, c4, o4 / o, c4 / c }'
  awk -v n="$name" -v o="$os" -v om="$om" -v p="$ps" -v pm="$pm" 'BEGIN {
    printf "%s: ours %.3f s (%d MB), gpsbabel %.3f s (%d MB), memory ratio %.2f\n", n, o, om, p, pm, pm / om
    printf "%s: ours %.3f s, gpsbabel %.3f s, ratio %.2f\n", n, o, p, p / o }'
}

# Runs a command three times (the machine is shared: the best run shows the
# work) and prints, of the fastest run, "seconds peak-MB", the export's own
# seconds (the second number that our program prints) and the CPU seconds.
measure() {
  /usr/bin/python3 - "$@" <<'PY'
import os, subprocess, sys, time
best = None
for _ in range(3):
    t = time.perf_counter()
    p = subprocess.Popen(sys.argv[1:], stdout=subprocess.PIPE, text=True)
    out = p.stdout.read().split()
    _, status, u = os.wait4(p.pid, 0)
    e = time.perf_counter() - t
    if status != 0:
        sys.exit(f"{sys.argv[1]} failed")
    if best is None or e < best[0]:
        best = (e, u.ru_maxrss / 1024, out[1] if len(out) > 1 else "-", u.ru_utime + u.ru_stime)
print(f"{best[0]:.3f} {best[1]:.0f} {best[2]} {best[3]:.3f}")
PY
}
