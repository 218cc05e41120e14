#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test; then builds again with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs every test there.
#   scripts/test.sh           everything (what CI runs)
#   scripts/test.sh --quick   the ordinary build's tests only
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
(cd build && ctest --output-on-failure -j "$(nproc)" --timeout 900)
if [ "${1:-}" != "--quick" ]; then
  scripts/sanitize.sh
fi
