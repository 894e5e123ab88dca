#!/usr/bin/env bash
# The Windows module under Wine lists the same gauge table as the native one.
set -euo pipefail
native_list=$1 native_module=$2 windows_list=$3 windows_module=$4 wine_root=$5
# Wine's 32-bit loader needs the kernel's 32-bit execution; some kernels ship
# with it switched off, and then nothing 32-bit can run here.
if ! timeout 30 wine --version >/dev/null 2>&1; then
  echo "SKIPPED: this machine cannot run 32-bit programs (wine --version failed)"
  exit 77
fi
source "$(dirname "$0")/../../scripts/wine-env.sh" "$wine_root"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT

expected=$("$native_list" "$native_module")
actual=$(wine "$windows_list" "$(winepath -w "$windows_module" 2>/dev/null)" | tr -d '\r')
echo "$actual" | tail -n 1
if [ "$expected" != "$actual" ]; then
  diff <(echo "$expected") <(echo "$actual") || true
  echo "FAILED: the Windows module's gauge table differs from the native one" >&2
  exit 1
fi
[ "$(echo "$actual" | tail -n 1)" = "88 gauges" ] || { echo "FAILED: expected 88 gauges" >&2; exit 1; }
echo "both builds list the same 88 gauges"
