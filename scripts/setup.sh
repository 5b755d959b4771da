#!/usr/bin/env bash
# Installs what building, running and testing Zorbly need on Debian 12, then builds it.
#   scripts/setup.sh [build-dir] [extra cmake arguments...]
#   scripts/setup.sh --deps-only          only installs the packages
# ZORBLY_TARGETS="a b" builds only those targets (all when unset); ZORBLY_EXTRA_PACKAGES="p q"
# installs those packages too.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6svg6
  qt6-charts-dev libqt6opengl6-dev  # Qt Charts; its CMake package needs the OpenGL one
  libsdl2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  desktop-file-utils appstream
  ${ZORBLY_EXTRA_PACKAGES:-}
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

[ "${1:-}" = "--deps-only" ] && exit 0

build_dir=${1:-build}
shift || true
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
targets=()
for t in ${ZORBLY_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$build_dir" -j"$(nproc)" "${targets[@]}"
