#!/usr/bin/env bash
# Installs what is missing, builds Vellumark and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps
./scripts/build
exec ./build/vellumark "$@"
