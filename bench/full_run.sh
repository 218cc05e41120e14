#!/usr/bin/env bash
# Times a full schemist-cli run over the 400-table benchmark database against
# mdb-schema reading the same file, the two side by side in each round, and
# reports medians of wall-clock and CPU time (user + system), their ratios and
# the peak memory (maximum resident set of our run and its reader child, from
# /usr/bin/time).
#
#   bench/full_run.sh [RUNS] [extra schemist-cli options...]
#   e.g. bench/full_run.sh 7 --module-kind 3 --collection
#
# Environment:
#   FRESH=1     empty the output folder before each of our runs (outside the
#               timing), so every run writes into an empty folder; otherwise
#               runs after the first go over the outputs of the one before.
#   OUT_DIR     put the outputs elsewhere (for example on a tmpfs, to separate
#               the program's own time from the file system's cost).
#   BIG_MDB     another database.
#   CLI         another build of schemist-cli (its schemist-read beside it),
#               for before/after figures taken in the same rounds.
#   COPY_TOO=1  also time `cp -r` of the finished outputs into a new folder on
#               the same file system: the cost of creating that many files.
# On a machine shared with other work the wall-clock times swing with the
# load; CPU time shows what the programs themselves cost.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-7}
shift || true
big=${BIG_MDB:-../shared/fixtures/big.mdb}
cli=${CLI:-build/src/schemist-cli}
[ -f "$big" ] || { echo "benchmark database not found: $big" >&2; exit 1; }
[ -x "$cli" ] || { echo "build first: scripts/build.sh" >&2; exit 1; }

work=$(mktemp -d -p "${TMPDIR_BENCH:-$PWD/build}")
out=${OUT_DIR:-$work/out}
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_DOCUMENTS_DIR="$work/home"
mkdir -p "$HOME" "$out"
"$cli" --init 2>/dev/null

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
timeit() {  # prints elapsed seconds, peak KiB and CPU seconds of one command
  /usr/bin/time -f "%e %M %U %S" -o "$work/t" "$@" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
  awk '{printf "%s %s %.2f\n", $1, $2, $3 + $4}' "$work/t"
}

: >"$work/ours"; : >"$work/base"; : >"$work/copy"
for _ in $(seq "$runs"); do
  [ "${FRESH:-0}" = 1 ] && find "$out" -mindepth 1 -delete
  timeit "$cli" "$big" --out "$out" --name Big "$@" >>"$work/ours"
  timeit mdb-schema --indexes --comments --default-values "$big" postgres >>"$work/base"
  if [ "${COPY_TOO:-0}" = 1 ]; then
    rm -rf "$work/copy-of-out"
    timeit cp -r "$out" "$work/copy-of-out" >>"$work/copy"
  fi
done
ours=$(cut -d' ' -f1 "$work/ours" | median)
base=$(cut -d' ' -f1 "$work/base" | median)
ours_cpu=$(cut -d' ' -f3 "$work/ours" | median)
base_cpu=$(cut -d' ' -f3 "$work/base" | median)
peak=$(cut -d' ' -f2 "$work/ours" | sort -n | tail -1)
base_peak=$(cut -d' ' -f2 "$work/base" | sort -n | tail -1)
echo "schemist-cli $* : median ${ours}s wall, ${ours_cpu}s CPU over $runs runs, peak $((peak / 1024)) MiB"
echo "mdb-schema     : median ${base}s wall, ${base_cpu}s CPU, peak $((base_peak / 1024)) MiB"
awk -v a="$ours" -v b="$base" -v c="$ours_cpu" -v d="$base_cpu" \
  'BEGIN {printf "ratio          : %.2f wall, %.2f CPU\n", a / b, (d > 0 ? c / d : 0)}'
if [ "${COPY_TOO:-0}" = 1 ]; then
  echo "cp -r outputs  : median $(cut -d' ' -f1 "$work/copy" | median)s wall, $(cut -d' ' -f3 "$work/copy" | median)s CPU"
fi
ls -l "$out" | awk 'NR>1 {n++; s+=$5} END {printf "outputs        : %d files, %d bytes\n", n, s}'
