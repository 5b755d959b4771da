#!/usr/bin/env bash
# Builds Zorbly and starts it in this folder's game home (data/ and players/ beside it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh build
mkdir -p players
exec build/zorbly
