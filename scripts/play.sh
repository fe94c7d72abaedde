#!/usr/bin/env bash
# Set up (install what is missing, build) and start the game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/bin/briscola "$@"
