#!/usr/bin/env bash
# Builds the console, its tests and the test libraries with AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ and runs the whole suite there, headless. Any report fails the run: UBSan stops at the
# first undefined behaviour, ASan at the first bad access or leak. Arguments go to ctest (e.g. -R tst_bio).
# Much slower than the ordinary build and suite, so CI does not run it; run it before handing work over.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
san="-fsanitize=address,undefined,float-cast-overflow,float-divide-by-zero -fno-sanitize-recover=all -fno-omit-frame-pointer"
# The float checks are not part of GCC's "undefined" group: a state file's 1e300 must be caught too.
if [ ! -f build-asan/build.ninja ] || ! grep -q float-cast-overflow build-asan/CMakeCache.txt; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTOREP_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$san" -DCMAKE_EXE_LINKER_FLAGS="$san" -DCMAKE_SHARED_LINKER_FLAGS="$san"
fi
cmake --build build-asan
export QT_QPA_PLATFORM=offscreen
# The install check preloads the reader library by its bare name to see where the loader finds it; ASan
# would refuse to start with a library ahead of its runtime.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:verify_asan_link_order=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-asan
ctest --output-on-failure -j2 "$@"
