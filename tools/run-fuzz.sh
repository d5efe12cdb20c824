#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, replays the saved regression inputs, then fuzzes each harness for
# FLEXIO_FUZZ_SECONDS (25 by default) from its seed corpus. Fails on any crash, leak, hang or
# sanitizer report; the input that caused it is left in build-fuzz/findings/HARNESS/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FLEXIO_FUZZ_SECONDS:-25}
build=build-fuzz
harnesses=(verb_reader quiz_reader store_file record_reader verb_pack progress_import link_parser link_message clip_answer)

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8

for harness in "${harnesses[@]}"; do
  # Room for the size-driven faults: a store file of several pages, a file of many entries.
  case $harness in
    store_file|verb_pack|progress_import) max_len=262144 ;;
    *) max_len=16384 ;;
  esac
  binary=$build/fuzz_$harness
  regressions=fuzz/regressions/$harness
  if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
    "$binary" -runs=0 "$regressions"/* >"$build/$harness-regressions.log" 2>&1 ||
      { cat "$build/$harness-regressions.log"; echo "run-fuzz: $harness fails a saved regression input" >&2; exit 1; }
  fi
  corpus=$build/corpus/$harness
  findings=$build/findings/$harness
  mkdir -p "$corpus" "$findings"
  seeds=()
  if [ -d "fuzz/corpus/$harness" ]; then seeds=("fuzz/corpus/$harness"); fi
  log=$build/$harness.log
  if ! "$binary" "$corpus" "${seeds[@]}" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
      -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$findings/" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "run-fuzz: $harness found a fault; the input is in $findings/" >&2
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "run-fuzz: $harness: ${runs:-?} runs in ${seconds} s, no fault"
done
