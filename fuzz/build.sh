#!/usr/bin/env bash
# Builds a libFuzzer target with clang (ASan + UBSan) into build-fuzz/, and runs it when asked:
#   fuzz/build.sh [rb1|afd] [run [seconds]]
# The target defaults to rb1 (the RB1 parser). New inputs go to build-fuzz/corpus (rb1) or
# build-fuzz/corpus-afd (afd), seeded from fuzz/corpus or fuzz/corpus-afd.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh fuzz
alvo=rb1
case "${1:-}" in
  rb1|afd) alvo="$1"; shift ;;
esac
out=build-fuzz
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -Isrc)
case "$alvo" in
  rb1)
    corpus=corpus; max_len=70000
    fontes=(fuzz/rb1_fuzz.cpp src/sim/rb1/FormatoRB1.cpp) ;;
  afd)
    corpus=corpus-afd; max_len=16384
    # The module's plain C++ units (its Qt adapter stays out).
    fontes=(fuzz/afd_fuzz.cpp $(ls src/afd/*.cpp | grep -v AfdQt.cpp))
    flags+=(-pthread) ;;
esac
mkdir -p "$out/$corpus"
clang++ "${flags[@]}" "${fontes[@]}" -o "$out/${alvo}_fuzz"
echo "built $out/${alvo}_fuzz"
if [ "${1:-}" = run ]; then
  secs="${2:-600}"
  "$out/${alvo}_fuzz" -max_total_time="$secs" -max_len="$max_len" -print_final_stats=1 \
    -artifact_prefix="$out/" "$out/$corpus" "fuzz/$corpus"
fi
