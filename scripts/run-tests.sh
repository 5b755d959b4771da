#!/usr/bin/env bash
# Builds Zorbly and runs every test headless. With --sanitize, under AddressSanitizer and
# UndefinedBehaviorSanitizer in a build folder of its own.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-sanitize
  bash scripts/setup.sh "$build_dir" -DZORBLY_SANITIZE=ON -DZORBLY_BENCH=OFF
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
else
  build_dir=build
  bash scripts/setup.sh "$build_dir"
fi

export QT_QPA_PLATFORM=offscreen
runtime_dir=$(mktemp -d)
trap 'rm -rf "$runtime_dir"' EXIT
export XDG_RUNTIME_DIR=$runtime_dir
ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
