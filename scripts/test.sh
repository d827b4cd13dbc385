#!/usr/bin/env bash
# Installs what is missing, builds the sanitizer test build and runs every
# test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --with-tests
cmake --preset asan >/dev/null
cmake --build --preset asan --parallel "$(nproc)"
ctest --preset asan --parallel "$(nproc)"
