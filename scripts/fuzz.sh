#!/usr/bin/env bash
# Builds the fuzz targets (clang, AddressSanitizer and UndefinedBehaviorSanitizer) and runs each
# from its seed corpus in fuzz/corpus/ until it has made 10 million executions or run for
# SECONDS (default 3600), whichever comes first. New inputs go to build-fuzz/corpus/, crash
# inputs to build-fuzz/crashes/. Exits non-zero when a target crashed.
#   scripts/fuzz.sh [seconds] [target...]     targets: board_file dib player_file
# FUZZ_MAX_LEN sets the longest input tried (default 2048 bytes: a player file of a dozen games, a
# whole board file, a small bitmap).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-3600}
shift || true
targets=("$@")
((${#targets[@]})) || targets=(board_file dib player_file)

ZORBLY_EXTRA_PACKAGES="clang libclang-rt-14-dev" bash scripts/setup.sh --deps-only
CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORBLY_FUZZ=ON \
  -DZORBLY_SANITIZE=ON -DZORBLY_TESTS=OFF -DZORBLY_BENCH=OFF >/dev/null
names=()
for t in "${targets[@]}"; do names+=("fuzz_$t"); done
cmake --build build-fuzz -j"$(nproc)" --target "${names[@]}"

export QT_QPA_PLATFORM=offscreen
# Lean allocator settings: several times more executions a second, the same faults found.
export ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=1:max_malloc_fill_size=0:quarantine_size_mb=16:malloc_context_size=5
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for t in "${targets[@]}"; do
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/crashes/$t"
  log="build-fuzz/fuzz_$t.log"
  if ! "build-fuzz/fuzz/fuzz_$t" -runs=10000000 -max_total_time="$seconds" -max_len="${FUZZ_MAX_LEN:-2048}" \
      -print_final_stats=1 -artifact_prefix="build-fuzz/crashes/$t/" \
      "build-fuzz/corpus/$t" "fuzz/corpus/$t" >"$log" 2>&1; then
    echo "fuzz_$t: CRASHED, see $log and build-fuzz/crashes/$t/"
    status=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  secs=$(grep -o 'stat::.*total_time\|Done [0-9]* runs in [0-9]* second' "$log" | tail -1)
  echo "fuzz_$t: ${runs:-0} executions; ${secs}"
done
exit $status
