#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless. With
# SAYORA_SANITIZE=1 it builds and runs under AddressSanitizer and
# UndefinedBehaviorSanitizer instead.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
dir=$(bash "$root/scripts/build.sh" | tail -n 1)

export QT_QPA_PLATFORM=offscreen

# A PulseAudio server with its null sink lets the tests drive the real audio
# output path; tests that need no device force the null sink themselves.
if command -v pulseaudio >/dev/null; then
  export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d /tmp/sayora-runtime.XXXXXX)}"
  chmod 700 "$XDG_RUNTIME_DIR"
  if ! pactl info >/dev/null 2>&1; then
    pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit --system=false \
      -n --load="module-null-sink sink_name=sayora_null" --load=module-native-protocol-unix \
      --log-target=stderr >/dev/null 2>&1 || echo "note: no PulseAudio server; the null sink is used"
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  fi
fi

cd "$root/$dir"
ctest --output-on-failure -j"$(nproc)"
