#!/usr/bin/env bash
# Installs what is missing, builds and starts a course program:
#   scripts/run.sh            Morvane
#   scripts/run.sh talisse    Talisse
# JOBS=N limits the parallel build jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCOURSE_TESTS=OFF >/dev/null
case "${1:-morvane}" in
  talisse|Talisse) program=Talisse ;;
  *) program=Morvane ;;
esac
cmake --build build -j"${JOBS:-$(nproc)}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: start $program from a desktop session (DISPLAY is not set)." >&2
  exit 1
fi
exec "./build/$program"
