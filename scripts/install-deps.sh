#!/usr/bin/env bash
# Installs every Debian 12 package the project needs to build, test and run.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config ccache time
  libsqlite3-dev mdbtools mdbtools-dev
  libgtest-dev libcli11-dev nlohmann-json3-dev
  libtomlplusplus-dev
  qt6-base-dev fonts-ipafont-gothic
  python3 python3-xlrd python3-openpyxl libxlsxwriter-dev
  libreoffice-calc-nogui poppler-utils man-db
)
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${packages[@]}"
