#!/usr/bin/env bash
# Builds the RB1 parser's libFuzzer target with clang (ASan + UBSan) into build-fuzz/, and runs it when
# asked: fuzz/build.sh [run [seconds]]. New inputs go to build-fuzz/corpus, seeded from fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh fuzz
out=build-fuzz
mkdir -p "$out/corpus"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -Isrc fuzz/rb1_fuzz.cpp src/sim/rb1/FormatoRB1.cpp -o "$out/rb1_fuzz"
echo "built $out/rb1_fuzz"
if [ "${1:-}" = run ]; then
  secs="${2:-600}"
  "$out/rb1_fuzz" -max_total_time="$secs" -max_len=70000 -print_final_stats=1 \
    -artifact_prefix="$out/" "$out/corpus" fuzz/corpus
fi
