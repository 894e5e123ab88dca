#!/usr/bin/env bash
# The shipped .gau under Wine with its sound on: hostprobe.exe installs the
# sound-making gauges, clicks them, passes two callout heights and kills them,
# with ALSA's default device the null one. Wine's audio-library trace shows
# every buffer the module plays; the first failure of any sound operation
# would silence the rest.
set -euo pipefail
hostprobe=$1 gau=$2 data=$3 bitmaps=$4 wine_root=$5
if ! timeout 30 wine --version >/dev/null 2>&1; then
  echo "SKIPPED: this machine cannot run 32-bit programs (wine --version failed)"
  exit 77
fi
source "$(dirname "$0")/../../scripts/wine-env.sh" "$wine_root"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
export WINEDEBUG=trace+dsound

cd "$data"
log="$wine_root/sound_trace.log"
wine "$hostprobe" scenario --panel sound_panel.cfg --scenario sound.scenario \
  --module "Vantor_Instr=$(winepath -w "$gau" 2>/dev/null)" \
  --bitmaps "$(winepath -w "$bitmaps" 2>/dev/null)" --trace >"$wine_root/sound_out.log" 2>"$log"

# Three radio altimeter switch clicks, 13 radio head and selector clicks,
# 13 clicks of the fuel selector, master switch and two-position switches
# (see sound.scenario) and two callouts (2500 ft, then 1000 ft).
plays=$(grep -c 'trace:dsound:.*Buffer.*_Play' "$log" || true)
creates=$(grep -c 'trace:dsound:.*CreateSoundBuffer' "$log" || true)
echo "buffers created: $creates, played: $plays"
grep -q ' Radio_Altimeter service 12' "$wine_root/sound_out.log" || { echo "FAILED: the gauges were not killed" >&2; exit 1; }
if [ "$creates" -lt 32 ]; then
  echo "FAILED: expected the 13 callouts and 19 clicks (radio altimeter switch, six radio heads, two selectors, fuel selector, master switch, eight switches) to be loaded" >&2
  exit 1
fi
if [ "$plays" -ne 31 ]; then
  echo "FAILED: expected 31 sounds played (29 clicks, 2 callouts), the trace shows $plays" >&2
  grep 'trace:dsound' "$log" | grep -iE 'play|create|err|warn' | head -40 >&2
  exit 1
fi
echo "the Windows module plays its sounds under Wine"
