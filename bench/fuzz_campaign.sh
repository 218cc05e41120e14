#!/usr/bin/env bash
# Mutation campaign against the source schema reader.
#
#   bench/fuzz_campaign.sh N [command...]
#
# Makes N mutated copies of the sample databases (byte flips, zeroed pages,
# truncations; reproducible: copy i is made with seed SEED+i), runs the command
# with the copy's path appended, each under a time limit, and counts outcomes:
#   success      exit 0
#   clear error  exit 2 with a message on standard error
#   crash        ended by a signal
#   hang         killed at the time limit
#   other        any other exit (listed)
# Messages of clear errors are tallied by their reason. Inputs that crashed,
# hung or ended otherwise are kept in $KEEP_DIR for reproduction.
#
# Environment: SEED (default 1), TIME_LIMIT seconds (default 20), SEEDS_DIR
# (extra folder of seed files), KEEP_DIR (default ./fuzz-findings).
# Default command: build/src/schemist-cli FILE --list when that exists, else
# build/tests/fuzz/read_probe (isolated reading).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]]; then
    echo "usage: $0 N [command...]" >&2
    exit 64
fi
count=$1
shift
if [ $# -gt 0 ]; then
    command=("$@")
elif [ -x build/src/schemist-cli ] && build/src/schemist-cli --help 2>/dev/null | grep -q -- --list; then
    command=(build/src/schemist-cli --list)
else
    command=(build/tests/fuzz/read_probe)
fi

seed=${SEED:-1}
limit=${TIME_LIMIT:-20}
keep=${KEEP_DIR:-fuzz-findings}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$keep"

seeds=()
for f in tests/data/*.mdb tests/data/*.accdb ${SEEDS_DIR:+"$SEEDS_DIR"/*.mdb "$SEEDS_DIR"/*.accdb}; do
    [ -f "$f" ] && seeds+=("$f")
done
if [ ${#seeds[@]} -eq 0 ]; then
    echo "no seed databases found" >&2
    exit 1
fi

# Writes mutated copies number $2 up to (not including) $3 into folder $4 as
# case-<seed>-<i>.mdb, copy i made with seed $1 and i; prints "i kind" lines.
# One Python process per batch: starting one per copy costs more than the read.
mutate_batch() {
    python3 - "$1" "$2" "$3" "$4" "${seeds[@]}" <<'PY'
import random, sys
base, first, end, folder, seeds = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5:]
originals = {path: open(path, 'rb').read() for path in seeds}
for index in range(first, end):
    rng = random.Random(base * 1000003 + index)
    data = bytearray(originals[rng.choice(seeds)])
    page = 2048 if data[0x14] == 0 else 4096
    pages = max(1, len(data) // page)
    kind = rng.choice(['flips', 'flips', 'zero-page', 'truncate', 'page-truncate', 'mixed'])
    def flips(n):
        for _ in range(n):
            at = rng.randrange(len(data))
            data[at] = rng.randrange(256) if rng.random() < 0.5 else data[at] ^ (1 << rng.randrange(8))
    def zero_page():
        p = rng.randrange(1, pages)
        data[p * page:(p + 1) * page] = bytes(page)
    if kind == 'flips':
        flips(rng.choice([1, 2, 4, 16, 64, 256]))
    elif kind == 'zero-page':
        for _ in range(rng.choice([1, 1, 2, 4])):
            zero_page()
    elif kind == 'truncate':
        del data[rng.randrange(len(data)):]
    elif kind == 'page-truncate':
        del data[rng.randrange(1, pages) * page:]
    else:
        flips(rng.choice([4, 32]))
        zero_page()
    open('%s/case-%d-%d.mdb' % (folder, base, index), 'wb').write(data)
    print(index, kind)
PY
}

batch=100
declare -A outcome reason
declare -A kinds
for ((i = 0; i < count; i++)); do
    if (( i % batch == 0 )); then
        end=$(( i + batch < count ? i + batch : count ))
        while read -r index kind; do kinds[$index]=$kind; done < <(mutate_batch "$seed" "$i" "$end" "$work")
    fi
    file="$work/case-$seed-$i.mdb"
    kind=${kinds[$i]}
    set +e
    timeout -s KILL "$limit" "${command[@]}" "$file" >/dev/null 2>"$work/err"
    status=$?
    set -e
    if [ $status -eq 0 ]; then
        result=success
    elif [ $status -eq 2 ] && [ -s "$work/err" ]; then
        result="clear error"
        message=$(head -c 2000 "$work/err" | tr '\n' ' ' | sed -e "s|$work/[^ :]*|FILE|g" -e 's/（シグナル [0-9]*）//' -e 's/「[^」]*」/「…」/g')
        reason[$message]=$(( ${reason[$message]:-0} + 1 ))
    elif [ $status -eq 137 ]; then
        result=hang
    elif [ $status -gt 128 ]; then
        result=crash
    else
        result="other (exit $status)"
    fi
    outcome[$result]=$(( ${outcome[$result]:-0} + 1 ))
    if [ "$result" != success ] && [ "$result" != "clear error" ]; then
        cp "$file" "$keep/"
        echo "$result: $kind: $keep/$(basename "$file")" >&2
    fi
    rm -f "$file"
done

echo "command: ${command[*]} FILE"
echo "cases: $count (seed $seed, time limit ${limit}s)"
for key in success "clear error" crash hang; do
    printf '  %-12s %d\n' "$key" "${outcome[$key]:-0}"
done
for key in "${!outcome[@]}"; do
    case "$key" in success|"clear error"|crash|hang) ;; *) printf '  %-12s %d\n' "$key" "${outcome[$key]}" ;; esac
done
echo "clear errors by reason:"
for key in "${!reason[@]}"; do
    printf '  %5d  %s\n' "${reason[$key]}" "$key"
done | sort -rn
