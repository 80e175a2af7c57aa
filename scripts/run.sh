#!/usr/bin/env bash
# Sets up, builds and opens the console on the built-in device simulator.
# Arguments are handed to SDKVeltoRep unchanged.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
exec ./build/SDKVeltoRep "$@"
