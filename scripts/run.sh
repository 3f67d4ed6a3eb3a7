#!/usr/bin/env bash
# Installs what is missing, builds Curvello and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/installa-dipendenze.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target curvello
exec ./build/src/app/curvello "$@"
