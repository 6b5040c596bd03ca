#!/bin/sh
# Builds and runs the calculation benchmark in its own build folder, under the shared build lock.
set -e
cd "$(dirname "$0")/../.."
cmake -S bench/calc -B build-bench-calc -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
flock /tmp/ftf-build.lock cmake --build build-bench-calc -j2
flock /tmp/ftf-build.lock build-bench-calc/bench_calc "$@"
