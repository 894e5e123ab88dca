#!/usr/bin/env bash
# hostprobe.exe under Wine runs the test scenario against the shipped .gau
# and prints exactly what panelhost prints for the native module.
set -euo pipefail
panelhost=$1 native_module=$2 hostprobe=$3 gau=$4 data=$5 bitmaps=$6 wine_root=$7
# Wine's 32-bit loader needs the kernel's 32-bit execution; some kernels ship
# with it switched off, and then nothing 32-bit can run here.
if ! timeout 30 wine --version >/dev/null 2>&1; then
  echo "SKIPPED: this machine cannot run 32-bit programs (wine --version failed)"
  exit 77
fi
source "$(dirname "$0")/../../scripts/wine-env.sh" "$wine_root"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT

cd "$data"
expected=$("$panelhost" scenario --panel panel.cfg --scenario basic.scenario \
           --module "Vantor_Instr=$native_module" --bitmaps "$bitmaps" --trace)
actual=$(wine "$hostprobe" scenario --panel panel.cfg --scenario basic.scenario \
         --module "Vantor_Instr=$(winepath -w "$gau" 2>/dev/null)" \
         --bitmaps "$(winepath -w "$bitmaps" 2>/dev/null)" --trace | tr -d '\r')
if [ "$expected" != "$actual" ]; then
  diff <(echo "$expected") <(echo "$actual") || true
  echo "FAILED: hostprobe with the Windows module prints something else than panelhost with the native one" >&2
  exit 1
fi
echo "$actual" | grep -q '^key events:$' || { echo "FAILED: no key-event log" >&2; exit 1; }

# The example panel's scenarios: the same clicks, key events (values
# included), tooltips and window changes from the Windows module.
examples="$(dirname "$0")/../../examples"
cd "$examples"
for scenario in cold_and_dark cruise approach; do
  expected=$("$panelhost" scenario --panel panel.cfg --scenario "$scenario.scenario" \
             --module "Vantor_Instr=$native_module" --bitmaps "$bitmaps")
  actual=$(wine "$hostprobe" scenario --panel panel.cfg --scenario "$scenario.scenario" \
           --module "Vantor_Instr=$(winepath -w "$gau" 2>/dev/null)" \
           --bitmaps "$(winepath -w "$bitmaps" 2>/dev/null)" | tr -d '\r')
  if [ "$expected" != "$actual" ]; then
    diff <(echo "$expected") <(echo "$actual") | head -40 || true
    echo "FAILED: $scenario.scenario: the Windows module answers otherwise than the native one" >&2
    exit 1
  fi
done
echo "hostprobe.exe and panelhost agree on the scenarios"
