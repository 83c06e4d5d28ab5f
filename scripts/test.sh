#!/usr/bin/env bash
# Installs what is missing, builds every program and test with the sanitizers
# (AddressSanitizer and UndefinedBehaviorSanitizer) and warnings as errors,
# and runs every test. JOBS=N limits the parallel jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
jobs="${JOBS:-$(nproc)}"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DCOURSE_SANITIZE=ON -DCOURSE_WERROR=ON >/dev/null
cmake --build build-test -j"$jobs"
cd build-test
ctest --output-on-failure -j"$jobs"
