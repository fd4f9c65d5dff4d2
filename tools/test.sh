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
fi

bash tools/setup.sh
bash tools/cups-setup.sh

cmake -S . -B "$build" -G Ninja "${flags[@]}"
cmake --build "$build"
cd "$build"
ctest --output-on-failure --timeout 600
