#!/usr/bin/env bash
# Builds everything with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer (preset
# "asan") and runs the whole test suite under them; any report fails the run.
set -euo pipefail

root_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root_dir"

bash scripts/setup.sh install build sanitize
if [[ ! -f build-asan/CMakeCache.txt ]]; then
    cmake --preset asan
fi
cmake --build --preset asan
ctest --preset asan --parallel "$(nproc)"
