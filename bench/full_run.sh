#!/usr/bin/env bash
# Times a full schemist-cli run over the 400-table benchmark database against
# mdb-schema reading the same file, several runs each, and reports medians,
# their ratio and the peak memory of our run.
#
#   bench/full_run.sh [RUNS] [extra schemist-cli options...]
#   e.g. bench/full_run.sh 7 --module-kind 3 --collection
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
shift || true
big=${BIG_MDB:-../shared/fixtures/big.mdb}
cli=build/src/schemist-cli
[ -f "$big" ] || { echo "benchmark database not found: $big" >&2; exit 1; }
[ -x "$cli" ] || { echo "build first: scripts/build.sh" >&2; exit 1; }

work=$(mktemp -d -p "${TMPDIR_BENCH:-$PWD/build}")
# OUT_DIR puts the outputs elsewhere (for example on a tmpfs, to separate the
# program's own time from the file system's cost of creating files).
out=${OUT_DIR:-$work/out}
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_DOCUMENTS_DIR="$work/home"
mkdir -p "$HOME" "$out"
"$cli" --init 2>/dev/null

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
timeit() {  # prints elapsed seconds and peak KiB of one command
  /usr/bin/time -f "%e %M" -o "$work/t" "$@" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
  cat "$work/t"
}

: >"$work/ours"; : >"$work/base"
for _ in $(seq "$runs"); do
  timeit "$cli" "$big" --out "$out" --name Big "$@" >>"$work/ours"
  timeit mdb-schema --indexes --comments --default-values "$big" postgres >>"$work/base"
done
ours=$(cut -d' ' -f1 "$work/ours" | median)
base=$(cut -d' ' -f1 "$work/base" | median)
peak=$(cut -d' ' -f2 "$work/ours" | sort -n | tail -1)
echo "schemist-cli $* : median ${ours}s over $runs runs, peak $((peak / 1024)) MiB"
echo "mdb-schema     : median ${base}s"
awk -v a="$ours" -v b="$base" 'BEGIN {printf "ratio          : %.2f\n", a / b}'
ls -l "$out" | awk 'NR>1 {n++; s+=$5} END {printf "outputs        : %d files, %d bytes\n", n, s}'
