#!/usr/bin/env bash
# Builds and runs every test: once plain, once under AddressSanitizer and
# UndefinedBehaviorSanitizer. Installs the Debian packages it needs first.
# FLEXIO_TEST_BUILDS="plain" (or "sanitized") runs one of the two builds only.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/bootstrap.sh

jobs=$(nproc)
builds=${FLEXIO_TEST_BUILDS:-plain sanitized}

run_build() {
  local dir=$1
  shift
  echo "== $dir"
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@"
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs"
}

for build in $builds; do
  case $build in
    plain) run_build build-tests ;;
    sanitized)
      ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        run_build build-asan -DFLEXIO_SANITIZE=ON ;;
    *) echo "run-tests: unknown build '$build' (plain or sanitized)" >&2; exit 2 ;;
  esac
done
echo "run-tests: every test passed"
