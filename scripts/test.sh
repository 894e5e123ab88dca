#!/usr/bin/env bash
# Sets up, builds and runs every test; then builds the sanitizer build and
# runs every test again under it (docs/build.md).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
ctest --preset native "$@"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize "$@"
