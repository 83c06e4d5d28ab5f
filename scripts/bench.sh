#!/usr/bin/env bash
# Builds the benchmarks optimised (in build-bench) and runs them: start-up,
# a key step in a section and in a drill after 10, 100 and 1,000 problems,
# whole runs of every drill over 300 and 3,000 problems, and a formula page
# to PNG. Arguments go to the benchmark program, e.g.
#   scripts/bench.sh --benchmark_filter=Drill
# JOBS=N limits the parallel build jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DCOURSE_TESTS=OFF -DCOURSE_BENCH=ON >/dev/null
cmake --build build-bench -j"${JOBS:-$(nproc)}" --target course_bench
exec ./build-bench/course_bench "$@"
