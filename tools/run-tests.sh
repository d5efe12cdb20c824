#!/usr/bin/env bash
# Builds and runs every test: once plain, once under AddressSanitizer and
# UndefinedBehaviorSanitizer, then fuzzes the readers of untrusted input for a bounded time
# (tools/run-fuzz.sh). Installs the Debian packages it needs first.
# FLEXIO_TEST_BUILDS="plain" (or "sanitized") runs one of the two builds only;
# FLEXIO_FUZZ=0 skips the fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/bootstrap.sh

# Tests stay about a third of the code.
python3 tools/line-ratio.py

jobs=$(nproc)
# Paths relative to the checkout, so that every clone of the repository shares the compiler cache.
export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
builds=${FLEXIO_TEST_BUILDS:-plain sanitized}

run_build() {
  local dir=$1
  shift
  echo "== $dir"
  local launcher=()
  if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
  cmake -S . -B "$dir" -G Ninja "${launcher[@]}" "$@"
  cmake --build "$dir" --parallel "$jobs"
  ctest --test-dir "$dir" --output-on-failure --parallel "$jobs"
}

for build in $builds; do
  case $build in
    # No optimisation and little debug information: the builds are made to run the tests once.
    plain) run_build build-tests -DCMAKE_CXX_FLAGS=-g0 ;;
    sanitized)
      ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        run_build build-asan -DFLEXIO_SANITIZE=ON -DCMAKE_CXX_FLAGS=-g1 ;;
    *) echo "run-tests: unknown build '$build' (plain or sanitized)" >&2; exit 2 ;;
  esac
done
if [ "${FLEXIO_FUZZ:-1}" != 0 ]; then
  echo "== fuzzing"
  tools/run-fuzz.sh
fi
echo "run-tests: every test passed"
