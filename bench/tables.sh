#!/bin/sh
# Builds and runs the table store benchmarks in their own build folder, under the shared build
# lock so that no other build runs beside them. Extra arguments go to the benchmark program.
set -e
cd "$(dirname "$0")/.."
cmake -S bench -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
flock /tmp/ftf-build.lock cmake --build build-bench -j2
flock /tmp/ftf-build.lock build-bench/bench_tables "$@"
