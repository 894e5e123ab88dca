#!/usr/bin/env bash
# Rewrites the renderer's golden images (tests/render/golden/*.png) from the
# current build: run after a deliberate change of the drawings or of the
# renderer, look at the images, then commit them.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native}
cmake --build "$build" --target render_test
VANTOR_UPDATE_GOLDENS=1 FONTCONFIG_FILE="$PWD/host/render/fonts.conf" "$build/tests/render/render_test" --gtest_filter='RealGauges.*:EngineCluster.RunningInCruise'
git status --short tests/render/golden
