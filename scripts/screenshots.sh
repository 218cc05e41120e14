#!/bin/sh
# Renders the manual's screenshots into docs/images with a neutral home
# folder (/home/user/Documents): the test program runs in a private mount
# namespace with an empty /home, so nothing of the real /home is touched and
# no build path appears in the pictures.
#   scripts/screenshots.sh [BUILD_DIR]
set -eu
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
images=$(pwd)/docs/images
exec unshare --mount --map-root-user sh -eu -c '
    mount -t tmpfs tmpfs /home
    mkdir -p /home/user/Documents
    SCHEMIST_SCREENSHOT_HOME=/home/user SCHEMIST_SCREENSHOT_DIR="$2" \
        "$1/tests/test_ui" --gtest_filter="Screenshots.*"
' screenshots "$build" "$images"
