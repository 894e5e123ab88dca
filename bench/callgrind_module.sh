#!/usr/bin/env bash
# Instructions per run of each part of module_bench (the module's frame, the
# same frame with empty callbacks, load and install of all gauges), counted
# by callgrind: independent of the machine's load. Usage:
#   bench/callgrind_module.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build="${1:-build/native}"
runs="${2:-200}"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
valgrind --tool=callgrind --callgrind-out-file="$out/callgrind.out" \
  "$build/bench/module_bench" --instructions "$runs" >/dev/null 2>"$out/log" || { cat "$out/log"; exit 1; }
for f in "$out"/callgrind.out.*; do
  part="$(sed -n 's/^desc: Trigger: Client Request: \(.*\) x[0-9]*$/\1/p' "$f")"
  [ -n "$part" ] || continue
  total="$(sed -n 's/^summary: //p' "$f")"
  printf '%-24s %12d instructions per run\n' "$part" "$((total / runs))"
done
