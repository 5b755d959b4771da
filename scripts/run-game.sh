#!/usr/bin/env bash
# Builds Zorbly and starts it through its launcher, as an installed Zorbly starts: in the user's
# game folder (~/.local/share/zorbly), here with the program just built and this tree's data.
set -euo pipefail
cd "$(dirname "$0")/.."
# Only the program: the tests, benchmarks and tools are for the test command.
ZORBLY_TARGETS=zorbly bash scripts/setup.sh build
exec build/packaging/zorbly
