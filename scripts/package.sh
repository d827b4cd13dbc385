#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and makes the Debian
# package build/release/numerant_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --parallel "$(nproc)"
cpack --preset release
ls build/release/*.deb
