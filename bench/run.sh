#!/usr/bin/env bash
# Start-up, memory and tap figures, side by side in one run (Release build in build-bench/).
#
#   bench/run.sh            # 10 runs of each start-up
#   RUNS=20 bench/run.sh
#
# Start-up is `flexio --self-test` (the main menu's first frame, then exit) against an empty Qt
# Quick window of the same size that quits after its first frame, both offscreen with software
# rendering, run interleaved. Two more yardsticks show the floor any screen of text and controls
# starts from: the same window with one line of text, and one Qt Quick Controls page; every figure
# is given as a ratio to the empty window and to the Controls page. Wall time is the whole process;
# memory is its peak resident set.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
runs=${RUNS:-10}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$root")}

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" >/dev/null
cmake --build "$build" --parallel "${JOBS:-2}" \
  --target flexio flexio-empty-window flexio-verbpack flexio-tap-bench flexio-store-generator >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Learner files go to a scratch home, never the real one.
export HOME=$scratch/home XDG_DATA_HOME=$scratch/home/.local/share XDG_CONFIG_HOME=$scratch/home/.config
export XDG_RUNTIME_DIR=$scratch/run QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# Ten times the verbs: the shipped file repeated with altered infinitives, packed like the shipped
# data, in a resource folder that otherwise holds the shipped files.
big=$scratch/ten-times
mkdir -p "$big"
cp -r "$root"/resources/. "$big"/
python3 - "$root/resources/verbs.xml" "$big/verbs.xml" <<'PY'
import re, sys
text = open(sys.argv[1], encoding="utf-8").read()
start, end = text.index("<verb>"), text.rindex("</verb>") + len("</verb>")
verbs = text[start:end]
copies = [verbs] + [re.sub(r"<infinitive>", "<infinitive>" + chr(ord("a") + k) + "x", verbs) for k in range(1, 10)]
open(sys.argv[2], "w", encoding="utf-8").write(text[:start] + "\n".join(copies) + text[end:])
PY
"$build/flexio-verbpack" "$big/verbs.xml" "$big/verbs.pack"
# A learner with a year of practice: 20,000 practised forms and 100,000 answers, in a data
# folder of its own.
practised=$scratch/practised-home/flexio/learner.sqlite
mkdir -p "$(dirname "$practised")"
"$build/bench/flexio-store-generator" "$practised" 20000 100000 >/dev/null
# The same learner's store with nothing practised yet, the yardstick of the practised one.
empty_store=$scratch/empty-home/flexio/learner.sqlite
mkdir -p "$(dirname "$empty_store")"
"$build/bench/flexio-store-generator" "$empty_store" 0 0 >/dev/null
verbs_shipped=$(grep -c "<verb>" "$root/resources/verbs.xml")
verbs_big=$(grep -c "<verb>" "$big/verbs.xml")

# One run: "wall-microseconds peak-KiB cpu-seconds" of the command, output dropped. CPU time
# (user + system) is given beside wall time because it varies less on a busy machine.
measure() {
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f '%M %U %S' -o "$scratch/usage" "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
  end=$(date +%s%N)
  echo "$(((end - start) / 1000)) $(awk '{ print $1, $2 + $3 }' "$scratch/usage")"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A time mem cpu
kinds=(window text controls shipped empty practised big)
for kind in "${kinds[@]}"; do : >"$scratch/$kind"; done
# A first run of each warms the file cache; it is not counted.
measure "$build/bench/flexio-empty-window" >/dev/null
measure "$build/flexio" --self-test >/dev/null
for ((i = 0; i < runs; i++)); do
  measure "$build/bench/flexio-empty-window" >>"$scratch/window"
  measure "$build/bench/flexio-empty-window" text >>"$scratch/text"
  measure "$build/bench/flexio-empty-window" controls >>"$scratch/controls"
  measure "$build/flexio" --self-test >>"$scratch/shipped"
  XDG_DATA_HOME=$scratch/empty-home measure "$build/flexio" --self-test >>"$scratch/empty"
  XDG_DATA_HOME=$scratch/practised-home measure "$build/flexio" --self-test >>"$scratch/practised"
  FLEXIO_RESOURCE_ROOT=$big measure "$build/flexio" --self-test >>"$scratch/big"
done
for kind in "${kinds[@]}"; do
  time[$kind]=$(cut -d' ' -f1 "$scratch/$kind" | median)
  mem[$kind]=$(cut -d' ' -f2 "$scratch/$kind" | median)
  cpu[$kind]=$(cut -d' ' -f3 "$scratch/$kind" | median)
done

conjugate_all() {
  local start end
  start=$(date +%s%N)
  "$build/flexio" conjugate --all >/dev/null 2>&1
  end=$(date +%s%N)
  echo $(((end - start) / 1000))
}
conj_shipped=$(for i in 1 2 3; do conjugate_all; done | median)
conj_big=$(for i in 1 2 3; do FLEXIO_RESOURCE_ROOT=$big conjugate_all; done | median)

echo "Flexio benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg); $runs interleaved runs, medians"
echo
# Each figure beside its ratio to the empty window (/win) and to the Controls page (/ctl), the
# floor any screen of the app starts from and the yardstick of the budgets.
row() { # label kind
  awk -v label="$1" -v t="${time[$2]}" -v m="${mem[$2]}" -v c="${cpu[$2]}" \
      -v w="${time[window]}" -v mw="${mem[window]}" -v cw="${cpu[window]}" \
      -v k="${time[controls]}" -v mk="${mem[controls]}" -v ck="${cpu[controls]}" 'BEGIN {
    printf "%-34s %8.1f %5.2f %5.2f %8.1f %5.2f %5.2f %7.0f %5.2f %5.2f\n", label, t / 1000, t / w, t / k,
      m / 1024, m / mw, m / mk, c * 1000, c / cw, c / ck
  }'
}
printf "%-34s %8s %5s %5s %8s %5s %5s %7s %5s %5s\n" "start-up to the first frame" "wall ms" "/win" "/ctl" \
  "peak MiB" "/win" "/ctl" "cpu ms" "/win" "/ctl"
row "empty Qt Quick window" window
row "  the same with one line of text" text
row "  one Qt Quick Controls page" controls
row "flexio --self-test, $verbs_shipped verbs" shipped
row "  the same, an empty store" empty
row "  the same, 20,000 practised forms" practised
row "flexio --self-test, $verbs_big verbs" big
awk -v t="${time[practised]}" -v e="${time[empty]}" -v c="${cpu[practised]}" -v ce="${cpu[empty]}" \
    -v m="${mem[practised]}" -v me="${mem[empty]}" 'BEGIN {
  printf "20,000 practised forms against an empty store: wall %.3fx, cpu %.3fx, %+.1f MiB\n", t / e, c / ce, (m - me) / 1024
}'
# Instructions executed, counted by callgrind where valgrind is installed: unlike the times, the
# count hardly moves with the machine's load, so it shows changes of a few per cent.
instructions() { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null | awk '/Collected/ { print $4 }'; }
if command -v valgrind >/dev/null; then
  ins_controls=$(instructions "$build/bench/flexio-empty-window" controls)
  ins_empty=$(XDG_DATA_HOME=$scratch/empty-home instructions "$build/flexio" --self-test)
  ins_big=$(XDG_DATA_HOME=$scratch/empty-home FLEXIO_RESOURCE_ROOT=$big instructions "$build/flexio" --self-test)
  awk -v k="$ins_controls" -v e="$ins_empty" -v b="$ins_big" 'BEGIN {
    printf "instructions (callgrind, whole process): Controls page %.1fM; an empty store %.1fM (%.2fx); ten times the verbs %.1fM (%.2fx)\n",
      k / 1e6, e / 1e6, e / k, b / 1e6, b / k
  }'
fi
awk -v a="$conj_shipped" -v b="$conj_big" -v n1="$verbs_shipped" -v n2="$verbs_big" 'BEGIN {
  printf "\nflexio conjugate --all: %.0f ms for %d verbs (%.1f us per verb), %.0f ms for %d verbs (%.1f us per verb)\n",
    a / 1000, n1, a / n1, b / 1000, n2, b / n2
}'
echo
echo "model work per tap (QBENCHMARK, shipped verbs, 1,000 scored verbs in the store): wall ms, cpu ms"
taps() { "$build/bench/flexio-tap-bench" "$@" 2>&1 | awk '/^RESULT/ { name = $3 } /per iteration/ { gsub(",", "", $1); print name, $1 }'; }
# Wall time includes waiting for the disk; CPU time (the thread's task clock) does not.
join <(taps -median 3 | sort) <(taps -perf -perfcounter task-clock | sort) |
  awk '{ printf "  %-40s %9.3f %9.3f\n", $1, $2, $3 / 1e6 }'
echo
echo "the same with 20,000 practised forms and 100,000 answers in the store: wall ms, cpu ms"
join <(FLEXIO_BENCH_STORE=$practised taps -median 3 | sort) \
  <(FLEXIO_BENCH_STORE=$practised taps -perf -perfcounter task-clock | sort) |
  awk '{ printf "  %-40s %9.3f %9.3f\n", $1, $2, $3 / 1e6 }'
