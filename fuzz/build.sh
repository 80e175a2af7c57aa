#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) into build-fuzz/, and runs one when asked:
#   fuzz/build.sh [run [seconds]]          the RB1 parser (corpus build-fuzz/corpus, seeded from fuzz/corpus)
#   fuzz/build.sh estado [seconds]         the simulator's state-file reader (build-fuzz/corpus-estado,
#                                          seeded from fuzz/corpus-estado)
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-fuzz
mkdir -p "$out/corpus" "$out/corpus-estado"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -Isrc)
clang++ "${flags[@]}" fuzz/rb1_fuzz.cpp src/sim/rb1/FormatoRB1.cpp -o "$out/rb1_fuzz"
echo "built $out/rb1_fuzz"
# Qt Core itself is not instrumented; the reader and the device's data are.
clang++ "${flags[@]}" -fPIC $(pkg-config --cflags Qt6Core) fuzz/estado_fuzz.cpp src/sim/SimDevice.cpp \
  src/sim/SimDados.cpp src/sim/SimColeta.cpp src/sim/SimBio.cpp src/sim/LeitorEstado.cpp \
  $(pkg-config --libs Qt6Core) -o "$out/estado_fuzz"
echo "built $out/estado_fuzz"
case "${1:-}" in
run)
  secs="${2:-600}"
  "$out/rb1_fuzz" -max_total_time="$secs" -max_len=70000 -print_final_stats=1 \
    -artifact_prefix="$out/" "$out/corpus" fuzz/corpus
  ;;
estado)
  secs="${2:-600}"
  "$out/estado_fuzz" -max_total_time="$secs" -max_len=8192 -print_final_stats=1 -dict=fuzz/estado.dict \
    -artifact_prefix="$out/estado-" "$out/corpus-estado" fuzz/corpus-estado
  ;;
esac
