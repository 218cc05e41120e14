#!/usr/bin/env bash
# Short mutation smoke for CI: N damaged copies of the sample databases go
# through a full schemist-cli run each. Every one must end in exit 0 or 2
# with a message (never a signal or a time-out), and the work store must
# still be usable afterwards.
#
#   tests/fuzz/smoke.sh BUILD_DIR [N]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:?build folder}
count=${2:-300}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_DOCUMENTS_DIR="$work/home"
mkdir -p "$HOME" "$work/out"
cli="$build/src/schemist-cli"
"$cli" --init 2>/dev/null

cat >"$work/run-one" <<RUN
#!/usr/bin/env bash
exec "$cli" --out "$work/out" --name Fuzz "\$1"
RUN
chmod +x "$work/run-one"

report=$(SEED=${SEED:-20261206} TIME_LIMIT=${TIME_LIMIT:-20} KEEP_DIR="$work/findings" \
         bench/fuzz_campaign.sh "$count" "$work/run-one")
echo "$report"
bad=$(echo "$report" | awk '/^  (crash|hang|other)/ {n += $NF} END {print n + 0}')
if [ "$bad" -ne 0 ]; then
    echo "FAILED: $bad runs crashed, hung or ended otherwise" >&2
    exit 1
fi
if ! "$cli" tests/data/sample.mdb --tables tblStaff --show-definitions >"$work/rows" 2>"$work/err"; then
    echo "FAILED: the work store is not usable after the campaign:" >&2
    cat "$work/err" >&2
    exit 1
fi
grep -q '^VB_Table' "$work/rows" || { echo "FAILED: no definitions after the campaign" >&2; exit 1; }
echo "fuzz smoke: $count cases, no crash, no hang, store intact"
