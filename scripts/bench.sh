#!/usr/bin/env bash
# Builds the benchmarks (Release, in build-bench/) and runs them; arguments go to
# the benchmark program. CI runs each one once, briefly: a benchmark that cannot do
# its work fails the run, and no timing is asserted.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages libbenchmark-dev
BUILD="${TANKWISE_BENCH_BUILD:-$REPO/build-bench}"
cmake -S "$REPO" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTANKWISE_BENCH=ON -DBUILD_TESTING=OFF
cmake --build "$BUILD" --target tankwise_bench -j"$(nproc)"
"$BUILD/bench/tankwise_bench" "$@"
