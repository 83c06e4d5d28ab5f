#!/usr/bin/env bash
# Installs what is missing, builds and starts a course program:
#   scripts/run.sh            Morvane
#   scripts/run.sh talisse    Talisse
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOURSE_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)"
case "${1:-morvane}" in
  talisse|Talisse) exec ./build/Talisse ;;
  *) exec ./build/Morvane ;;
esac
