#!/usr/bin/env bash
# Installs what is missing, builds Vellumark with its tests (benchmarks and fuzz targets
# are compiled too) and runs every test. Then, with VELLUMARK_SANITIZE set, it runs
# tests once more in a Debug build under AddressSanitizer and UndefinedBehaviorSanitizer:
# VELLUMARK_SANITIZE=1 runs them all, VELLUMARK_SANITIZE="designer_tests store_tests"
# only the named test programs (and builds only what they link).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps
./scripts/build
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure -j2 "$@")
sanitize=${VELLUMARK_SANITIZE:-0}
if [ "$sanitize" != 0 ]; then
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  if [ "$sanitize" = 1 ]; then
    ./scripts/build-sanitized
    (cd build-asan && ctest --output-on-failure -j2 "$@")
  else
    read -r -a programs <<< "$sanitize"
    ./scripts/build-sanitized "${programs[@]}"
    pattern="^($(IFS='|'; echo "${programs[*]}"))\$"
    (cd build-asan && ctest --output-on-failure -j2 -R "$pattern" "$@")
  fi
fi
