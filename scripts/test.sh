#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
# With "sanitize" it builds into build-asan with AddressSanitizer and UBSan instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/installa-dipendenze.sh
dir=build
opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCURVELLO_WERROR=ON)
if [ "${1:-}" = sanitize ]; then
  dir=build-asan
  opts=(-DCMAKE_BUILD_TYPE=Debug -DCURVELLO_WERROR=ON -DCURVELLO_SANITIZE=ON -DCURVELLO_BENCH=OFF)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake -S . -B "$dir" "${opts[@]}" >/dev/null
cmake --build "$dir" -j2
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$dir" --output-on-failure -j2
