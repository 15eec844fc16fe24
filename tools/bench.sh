#!/usr/bin/env bash
# Runs every benchmark of bench/ on the embedded database, and again on the
# PostgreSQL server that WYGL_TEST_CONN names when it is set, and prints one
# table of what a user pays: operation, size, figure, floor, ratio, goal, met.
# The benchmarks are built first; each one's own output goes to a log file.
# Exit status 0 exactly when every goal is met.
#
#   bash tools/bench.sh [bench_name ...]     (all of them by default)
#
# Benchmarks are not tests: they stay out of CI and take many minutes.
set -uo pipefail
cd "$(dirname "$0")/.."

names=("$@")
if (( ${#names[@]} == 0 )); then
  for f in bench/bench_*.cpp; do names+=("$(basename "$f" .cpp)"); done
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 2
cmake --build build -j"$(nproc)" --target "${names[@]}" >/dev/null || exit 2

# Windows are drawn off the screen unless a display is asked for.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

# Each run's files (embedded databases, PDFs) in a folder of its own.
work=$(mktemp -d /tmp/wygl-bench.XXXXXX)
log="$work/bench.log"
rows="$work/rows"
: >"$rows"
status=0

load_before=$(cat /proc/loadavg)

backends=(SQLite)
[[ -n "${WYGL_TEST_CONN:-}" ]] && backends+=(PostgreSQL)

for backend in "${backends[@]}"; do
  for name in "${names[@]}"; do
    echo "== $name on $backend" | tee -a "$log" >&2
    started=$SECONDS
    if [[ $backend == PostgreSQL ]]; then
      out=$(cd "$work" && TMPDIR="$work" WYGL_BENCH_CONN="$WYGL_TEST_CONN" "$OLDPWD/build/bench/$name" 2>&1)
    else
      out=$(cd "$work" && TMPDIR="$work" env -u WYGL_BENCH_CONN "$OLDPWD/build/bench/$name" 2>&1)
    fi
    rc=$?
    took=$(( SECONDS - started ))
    printf '%s\n' "$out" >>"$log"
    echo "-- $name on $backend: status $rc after $took s, load $(cut -d" " -f1-3 /proc/loadavg)" >>"$log"
    lines=$(printf '%s\n' "$out" | grep '^= ' | sed "s/^= /$backend | $name | /")
    if [[ -n "$lines" ]]; then printf '%s\n' "$lines" >>"$rows"; fi
    missed=0
    grep -q "| MISSED$" <<<"$lines" && missed=1
    # A benchmark ends with 0 when every goal was met and 1 when one was
    # missed; any other ending (a crash, a refusal, a goal missed without
    # its status) is a fault of its own.
    if (( missed )); then status=1; fi
    if ! (( (rc == 0 && !missed) || (rc == 1 && missed) )); then
      status=1
      echo "$backend | $name | (ended with status $rc: see the log) | - | - | - | - | - | MISSED" >>"$rows"
    fi
  done
done

# The databases and files the benchmarks left go; their output stays.
find "$work" -mindepth 1 -maxdepth 1 ! -name bench.log ! -name rows -exec rm -rf {} +

echo
awk -F' \\| ' '
  BEGIN { OFS = "" }
  { n++; for (i = 1; i <= NF; i++) { cell[n, i] = $i; if (length($i) > w[i]) w[i] = length($i) } ; nf[n] = NF }
  END {
    split("backend|benchmark|operation|size|figure|floor|ratio|goal|met", head, "|")
    for (i = 1; i <= 9; i++) if (length(head[i]) > w[i]) w[i] = length(head[i])
    line = ""; for (i = 1; i <= 9; i++) line = line sprintf("%-" w[i] "s  ", head[i]); print line
    for (r = 1; r <= n; r++) {
      line = ""
      for (i = 1; i <= 9; i++) line = line sprintf((i >= 5 && i <= 7 ? "%" : "%-") w[i] "s  ", cell[r, i])
      print line
    }
  }' "$rows"
echo
echo "load: $load_before at the start, $(cat /proc/loadavg) at the end (1, 5, 15 minutes)"
echo "each benchmark's own output: $log"
exit $status
