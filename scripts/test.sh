#!/usr/bin/env bash
# Set up (install what is missing, build) and run the whole test suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
