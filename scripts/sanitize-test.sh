#!/usr/bin/env bash
# Builds the core, the command line and their tests again with AddressSanitizer and
# UndefinedBehaviorSanitizer (in build-asan, or $PELTERRA_ASAN_BUILD_DIR) and runs those tests.
# A memory fault or undefined behaviour anywhere under test ends that test with a failure.
# The desktop program and the benchmarks are left out: Qt itself is not instrumented.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
build=${PELTERRA_ASAN_BUILD_DIR:-build-asan}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DPELTERRA_SANITIZE=ON -DPELTERRA_GUI=OFF -DPELTERRA_BENCH=OFF -DPELTERRA_FUZZ=OFF
cmake --build "$build" -j "$(nproc)"
# Leaks count too; a report names the test that found it.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 900
