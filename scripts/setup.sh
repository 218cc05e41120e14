#!/usr/bin/env bash
# Fresh machine to working program: install packages, build, and run the main
# job on the bundled sample database, writing into ./out.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
mkdir -p out
build/src/schemist-cli tests/data/sample.mdb --out out --name Sample
ls -l out
