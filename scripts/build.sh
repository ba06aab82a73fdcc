#!/usr/bin/env bash
# Configures and builds into build/ (or build-sanitize/ with SAYORA_SANITIZE=1).
# The build's own output goes to standard error; the last line on standard
# output names the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build
opts=()
if [ "${SAYORA_SANITIZE:-0}" = 1 ]; then
  dir=build-sanitize
  opts+=(-DSAYORA_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
fi
cmake -S . -B "$dir" "${opts[@]}" >&2
cmake --build "$dir" -j"$(nproc)" >&2
echo "$dir"
