#!/usr/bin/env bash
# Sets up, builds and starts Sayora. Arguments are handed to the program:
#   scripts/run.sh "Hello there"     reads the text aloud
#   scripts/run.sh notes.txt          opens the file and reads it
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
dir=$(bash "$root/scripts/build.sh" | tail -n 1)
exec "$root/$dir/bin/sayora" "$@"
