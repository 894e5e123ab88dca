#!/usr/bin/env bash
# The main job: set up, build Vantor_Instr.gau, draw the example panel with
# the host emulator into build/panel.png, and list the gauges as the host
# sees them (under Wine, from the shipped 32-bit module).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
gau=build/native/windows/Vantor_Instr.gau
echo "built $gau ($(stat -c %s "$gau") bytes)"
FONTCONFIG_FILE="$PWD/host/render/fonts.conf" build/native/host/panelhost render \
  --panel examples/panel.cfg --scenario examples/cruise.scenario --out build/panel.png
echo "rendered the example panel into build/panel.png"
if timeout 30 wine --version >/dev/null 2>&1; then
  source scripts/wine-env.sh "$PWD/build/native/wine"
  trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
  wine build/native/windows/gaugelist.exe "$(winepath -w "$gau" 2>/dev/null)" | tr -d '\r'
else
  # Without the kernel's 32-bit execution Wine cannot run the .gau
  # (docs/windows-testing.md): list the same sources' native build instead.
  echo "(Wine cannot run 32-bit programs here; listing the native build of the same sources)"
  build/native/gaugelist build/native/Vantor_Instr.so
fi
