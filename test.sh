#!/usr/bin/env bash
# Installs what is missing, builds Vellumark with its tests (benchmarks and fuzz targets
# are compiled too) and runs every test. With VELLUMARK_SANITIZE=1 it then runs the
# suite once more in a Debug build under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps
./scripts/build
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j2 "$@")
if [ "${VELLUMARK_SANITIZE:-0}" = 1 ]; then
  ./scripts/build-sanitized
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  (cd build-asan && ctest --output-on-failure -j2 "$@")
fi
