#!/usr/bin/env bash
# Installs what is needed, builds everything and runs the whole test suite, printing through a
# real CUPS with its test queues. Usage: tools/test.sh [--sanitize]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

build=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZAVOLIN_WERROR=ON)
if [ "${1:-}" = "--sanitize" ]; then
  build=build-sanitize
  flags=(-DCMAKE_BUILD_TYPE=Debug -DZAVOLIN_WERROR=ON -DZAVOLIN_SANITIZE=ON -DZAVOLIN_BUILD_BENCHMARKS=OFF)
  # Leaks in the system's libraries that are not ours; every test and the programs they run
  # read it. GCC 12's leak checker misreads glibc 2.36's dynamic thread-local blocks and crashes
  # at the end of a program that loads plug-ins with thread-local data after CUPS's libraries:
  # it is told not to follow them.
  export LSAN_OPTIONS="suppressions=$root/tests/support/lsan-suppressions.txt:intercept_tls_get_addr=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
  export ASAN_OPTIONS="intercept_tls_get_addr=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
fi

bash tools/setup.sh
# Every file must say its licence (.reuse/dep5, LICENSES/); checked first, as it needs no build.
reuse lint
bash tools/cups-setup.sh

cmake -S . -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build"
(cd "$build" && ctest --output-on-failure --timeout 600) | tee "$build/ctest.log"

# In CI, a short run of every fuzz target after the tests (tools/fuzz.sh runs them longer);
# then the tests' closing line once more, as the last word of the run.
if [ -n "${CI:-}" ]; then
  bash tools/fuzz.sh --seconds 20
  echo
  grep -E '^[0-9]+% tests passed' "$build/ctest.log" | tail -n 1
fi
