#!/usr/bin/env bash
# Builds the whole project with AddressSanitizer and UndefinedBehaviorSanitizer
# in ./build-sanitize and runs every test there.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build-sanitize/build.ninja ]; then
  cmake --preset sanitize
fi
cmake --build --preset sanitize -j "$(nproc)"
ctest --preset sanitize -j "$(nproc)"
