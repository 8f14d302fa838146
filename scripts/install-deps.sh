#!/usr/bin/env bash
# Installs every Debian package StrativM needs to build, run, test and benchmark.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config lld
  qt6-base-dev qt6-serialport-dev qt6-serialbus-dev qt6-image-formats-plugins libgl-dev
  libzip-dev libgif-dev libtiff-dev libpng-dev
  fonts-liberation2 fonts-dejavu-core
  xdg-utils
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb x11-utils xdotool openbox matchbox-window-manager imagemagick poppler-utils socat python3-pymodbus python3-serial python3-serial-asyncio zip unzip
  cups-daemon cups-client cups-core-drivers
  clang-15 libfuzzer-15-dev
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# Node.js and npm run the LAS reader the e-log tests check our LAS files with. Any node on the path will
# do (a node from another source brings its own npm and conflicts with Debian's npm package).
command -v node >/dev/null 2>&1 || missing+=(nodejs)
command -v npm >/dev/null 2>&1 || missing+=(npm)

if [ "${#missing[@]}" -eq 0 ]; then
  echo "install-deps: all packages present"
else
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The LAS reader itself (the npm package las-js, pinned by the committed lock file) into the test tree;
# installed again only when the lock file changed, so tests never fetch anything.
peer="$(cd "$(dirname "$0")/.." && pwd)/tests/elog/lasjs"
if ! cmp -s "$peer/package-lock.json" "$peer/node_modules/.installed-lock"; then
  echo "install-deps: installing the LAS reader of the tests (npm ci in tests/elog/lasjs)"
  (cd "$peer" && npm ci --no-audit --no-fund --ignore-scripts --loglevel=error &&
    cp package-lock.json node_modules/.installed-lock)
fi
