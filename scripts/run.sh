#!/usr/bin/env bash
# Sets up, builds and opens the console on the built-in device simulator. Only what the console needs is
# built: the executable and the simulated LC reader library (tests and benchmarks are ./scripts/test.sh's).
# Arguments are handed to SDKVeltoRep unchanged.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh run
./scripts/build.sh SDKVeltoRep SPL_ASO15
exec ./build/SDKVeltoRep "$@"
