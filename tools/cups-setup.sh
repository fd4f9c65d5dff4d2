#!/usr/bin/env bash
# Starts CUPS if it is not running. (The test queues are added here as they are needed.)
set -euo pipefail
if ! lpstat -r >/dev/null 2>&1; then
  cupsd
  for _ in $(seq 50); do lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
fi
