#!/usr/bin/env bash
# The main job: set up, build Vantor_Instr.gau and list its gauges as the
# host sees them (under Wine, from the shipped 32-bit module).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
gau=build/native/windows/Vantor_Instr.gau
echo "built $gau ($(stat -c %s "$gau") bytes)"
source scripts/wine-env.sh "$PWD/build/native/wine"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
wine build/native/windows/gaugelist.exe "$(winepath -w "$gau" 2>/dev/null)" | tr -d '\r'
