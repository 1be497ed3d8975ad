#!/usr/bin/env bash
# Installs what is missing, builds Vellumark with its tests and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps
./scripts/build
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j2 "$@"
