#!/usr/bin/env bash
# Builds the native module and artgen, then writes docs/images/contact-sheet.png:
# every bitmap of the module at 1:1, labelled with its id.
# BUILD_DIR overrides the build folder (default: the native preset's, build/native).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -z "${BUILD_DIR:-}" ]; then
  build=build/native
  cmake --preset native >/dev/null
else
  build=$BUILD_DIR
  cmake -S . -B "$build" -G Ninja >/dev/null
fi
cmake --build "$build" --target artgen Vantor_Instr
mkdir -p docs/images
"$build/tools/artgen/artgen" --module "$build/Vantor_Instr.so" --table resources/bitmaps.tsv \
  --out "$build/Vantor_Instr.resources/bitmap" --contact-sheet docs/images/contact-sheet.png
echo "contact-sheet.sh: wrote docs/images/contact-sheet.png"
