#!/usr/bin/env bash
# How a full run grows with the number of tables: runs schemist-cli over the
# first 100, 200 and 400 tables of the benchmark database (--tables), several
# times each, mdb-schema over the whole file in the same rounds for scale, and
# reports medians of wall-clock and CPU time and the peak memory per size, with
# the CPU time and memory per table.
#
#   bench/scaling.sh [RUNS] [extra schemist-cli options...]
#
# Environment: BIG_MDB (another database), SIZES (default "100 200 400"),
# CLI (another build of schemist-cli, its schemist-read beside it).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
shift || true
big=${BIG_MDB:-../shared/fixtures/big.mdb}
cli=${CLI:-build/src/schemist-cli}
[ -f "$big" ] || { echo "benchmark database not found: $big" >&2; exit 1; }
[ -x "$cli" ] || { echo "build first: scripts/build.sh" >&2; exit 1; }

work=$(mktemp -d -p "${TMPDIR_BENCH:-$PWD/build}")
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_DOCUMENTS_DIR="$work/home"
mkdir -p "$HOME" "$work/out"
"$cli" --init 2>/dev/null
"$cli" "$big" --list >"$work/names"

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
timeit() {
  /usr/bin/time -f "%e %M %U %S" -o "$work/t" "$@" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
  awk '{printf "%s %s %.2f\n", $1, $2, $3 + $4}' "$work/t"
}

printf "%-8s %10s %10s %10s %14s %14s\n" tables wall_s cpu_s peak_MiB cpu_ms/table KiB/table
for n in ${SIZES:-100 200 400}; do
  tables=$(head -n "$n" "$work/names" | paste -sd, -)
  : >"$work/ours"; : >"$work/base"
  for _ in $(seq "$runs"); do
    find "$work/out" -mindepth 1 -delete
    timeit "$cli" "$big" --out "$work/out" --name Big --tables "$tables" "$@" >>"$work/ours"
    timeit mdb-schema --indexes --comments --default-values "$big" postgres >>"$work/base"
  done
  wall=$(cut -d' ' -f1 "$work/ours" | median)
  cpu=$(cut -d' ' -f3 "$work/ours" | median)
  peak=$(cut -d' ' -f2 "$work/ours" | median)
  awk -v n="$n" -v w="$wall" -v c="$cpu" -v p="$peak" \
    'BEGIN {printf "%-8d %10.2f %10.2f %10.1f %14.2f %14.1f\n", n, w, c, p / 1024, c * 1000 / n, p / n}'
done
echo "mdb-schema (whole file): median $(cut -d' ' -f1 "$work/base" | median)s wall, $(cut -d' ' -f3 "$work/base" | median)s CPU"
