#!/usr/bin/env bash
# The whole test suite once more, built with the address and undefined-
# behaviour sanitizers (leak reports off: Qt and the audio libraries keep
# process-wide caches on purpose). Run after scripts/test.sh, which installs.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRISCOLA_SANITIZE=ON
cmake --build build-asan -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-asan --output-on-failure -j2
