#!/usr/bin/env bash
# Configures and builds everything: native module, tests, tools and the
# 32-bit Windows module.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native
