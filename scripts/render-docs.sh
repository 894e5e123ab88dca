#!/usr/bin/env bash
# Redraws the README's pictures and the panel author's sheet from a build:
# docs/images/panel.png (the example panel in cruise, radio stack and
# throttle open, a tooltip showing), docs/images/gallery.png (every gauge)
# and docs/panel-authors-sheet.md.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native}
cmake --build "$build" --target panelhost module_resources
export FONTCONFIG_FILE="$PWD/host/render/fonts.conf"
panelhost="$build/host/panelhost"
mkdir -p docs/images
"$panelhost" render --panel examples/panel.cfg --scenario examples/cruise.scenario --out docs/images/panel.png \
  --hover Airspeed 150 150
"$panelhost" render --panel examples/panel.cfg --scenario examples/approach.scenario --at 40 \
  --out docs/images/panel-night.png
"$panelhost" gallery --out docs/images/gallery.png
"$panelhost" sheet --out docs/panel-authors-sheet.md
