#!/usr/bin/env bash
# Sets up, builds everything and runs the whole test suite headless (what CI runs).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh test
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j2
