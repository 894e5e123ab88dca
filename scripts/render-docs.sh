#!/usr/bin/env bash
# Redraws the README's pictures and the panel author's sheet from a build:
# docs/images/panel.png (the example panel in cruise, radio stack and
# throttle open, a tooltip showing), docs/images/gallery.png (every gauge),
# docs/images/viewer.png (panelview playing the cruise, under Xvfb) and
# docs/panel-authors-sheet.md.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native}
cmake --build "$build" --target panelhost panelview module_resources
export FONTCONFIG_FILE="$PWD/host/render/fonts.conf"
panelhost="$build/host/panelhost"
mkdir -p docs/images
"$panelhost" render --panel examples/panel.cfg --scenario examples/cruise.scenario --out docs/images/panel.png \
  --hover Airspeed 150 150
"$panelhost" render --panel examples/panel.cfg --scenario examples/approach.scenario --at 40 \
  --out docs/images/panel-night.png
"$panelhost" gallery --out docs/images/gallery.png
"$panelhost" sheet --out docs/panel-authors-sheet.md
# The viewer's window, as a person sees it: the cruise playing, the pointer
# resting on the attitude indicator.
events=$(mktemp)
trap 'rm -f "$events"' EXIT
echo "3 hover Attitude 150 60" > "$events"
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1400x1100x24" "$build/host/viewer/panelview" examples/panel.cfg \
  --scenario examples/cruise.scenario --size 1100x960 --input "$events" \
  --screenshot docs/images/viewer.png --after 4.5 >/dev/null
