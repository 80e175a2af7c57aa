#!/usr/bin/env bash
# Builds a libFuzzer target with clang (ASan + UBSan) into build-fuzz/, and runs it when asked:
#   fuzz/build.sh [rb1|afd|estado|cursor] [run [seconds]]
# rb1 (the default): the RB1 parser; afd: the AFD reader and writer; estado: the simulator's state-file
# reader; cursor: the reader of the console's collection cursor files. New inputs go to
# build-fuzz/<corpus>, seeded from fuzz/<corpus> (corpus, corpus-afd, corpus-estado, corpus-cursor).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh fuzz
alvo=rb1
case "${1:-}" in
  rb1|afd|estado|cursor) alvo="$1"; shift ;;
esac
out=build-fuzz
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -Isrc)
extra=()
case "$alvo" in
  rb1)
    corpus=corpus; max_len=70000
    fontes=(fuzz/rb1_fuzz.cpp src/sim/rb1/FormatoRB1.cpp) ;;
  afd)
    corpus=corpus-afd; max_len=16384
    # The module's plain C++ units (its Qt adapter stays out).
    fontes=(fuzz/afd_fuzz.cpp $(ls src/afd/*.cpp | grep -v AfdQt.cpp))
    flags+=(-pthread) ;;
  estado)
    corpus=corpus-estado; max_len=8192
    extra=(-dict=fuzz/estado.dict)
    # Qt Core itself is not instrumented; the reader, the device's data and the AFD records it builds are.
    flags+=(-fPIC -pthread $(pkg-config --cflags Qt6Core))
    fontes=(fuzz/estado_fuzz.cpp src/sim/SimDevice.cpp src/sim/SimDados.cpp src/sim/SimColeta.cpp
            src/sim/SimBio.cpp src/sim/LeitorEstado.cpp src/afd/*.cpp $(pkg-config --libs Qt6Core)) ;;
  cursor)
    corpus=corpus-cursor; max_len=4096
    extra=(-dict=fuzz/cursor.dict)
    flags+=(-fPIC -pthread $(pkg-config --cflags Qt6Core))
    fontes=(fuzz/cursor_fuzz.cpp src/ops/CursorColeta.cpp src/platform/fs/SafeFile.cpp
            $(pkg-config --libs Qt6Core)) ;;
esac
mkdir -p "$out/$corpus"
clang++ "${flags[@]}" "${fontes[@]}" -o "$out/${alvo}_fuzz"
echo "built $out/${alvo}_fuzz"
if [ "${1:-}" = run ]; then
  secs="${2:-600}"
  "$out/${alvo}_fuzz" -max_total_time="$secs" -max_len="$max_len" -print_final_stats=1 "${extra[@]}" \
    -artifact_prefix="$out/${alvo}-" "$out/$corpus" "fuzz/$corpus"
fi
