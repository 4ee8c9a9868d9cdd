#!/usr/bin/env bash
# Measures Sumwick's start-up under Xvfb: time from launch to the main window's first paint, and
# peak memory (maximum resident set size), over several runs.
#   app/tools/measure_startup.sh [program] [runs]
set -euo pipefail
program=${1:-build/app/sumwick}
runs=${2:-10}
display=:97
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb"' EXIT
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb
SUMWICK_STARTUP_PROBE=$(date +%s%N) "$program" >/dev/null 2>&1  # warm the file cache
for ((i = 1; i <= runs; i++)); do
  out=$(SUMWICK_STARTUP_PROBE=$(date +%s%N) /usr/bin/time -f "peak-rss-kb %M" "$program" 2>&1 >/dev/null |
        grep -E 'sumwick-startup|peak-rss')
  echo "$out" | tr '\n' ' '
  echo
done
