#!/bin/sh
# Builds and runs the storage benchmarks in their own build folder, under the shared build lock.
# "bench/storage/run.sh --generate DIR" only writes the synthetic Paradox catalogue into DIR.
set -e
cd "$(dirname "$0")/../.."
cmake -S bench/storage -B build-bench-storage -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
flock /tmp/ftf-build.lock cmake --build build-bench-storage -j2
flock /tmp/ftf-build.lock build-bench-storage/bench_storage "$@"
