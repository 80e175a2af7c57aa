#!/usr/bin/env bash
# Configures build/ once and builds the given targets, or everything (the console, its tests, benchmarks
# and the fuzz corpus replay) when none is given: build.sh [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
if [ $# -gt 0 ]; then
  cmake --build build --target "$@"
else
  cmake --build build
fi
