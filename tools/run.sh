#!/usr/bin/env bash
# Installs what is needed, builds the program and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

bash tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zavolin

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "zavolin: no display to open the window on. Start it under a virtual display instead:" >&2
  echo "  xvfb-run -a tools/run.sh" >&2
  exit 1
fi
exec build/bin/zavolin "$@"
