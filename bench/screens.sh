#!/usr/bin/env bash
# Idle CPU while the program waits, launch to first paint, and peak memory.
# Runs under Xvfb when it is there (a real window), offscreen otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
BIN="${BUILD:-build}/bin"
if command -v xvfb-run >/dev/null; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$BIN/briscola-bench-screens"
else
  QT_QPA_PLATFORM=offscreen exec "$BIN/briscola-bench-screens"
fi
