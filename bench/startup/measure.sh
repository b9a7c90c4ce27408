#!/usr/bin/env bash
# Startup to a shown window and idle memory of the program, on a virtual X display.
#   bench/startup/measure.sh [build folder] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-5}
app="$build/bin/tamsel"
display=:$((90 + RANDOM % 50))
Xvfb "$display" -screen 0 1400x900x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=$display
for ((i = 1; i <= runs; i++)); do
    start=$(date +%s%N)
    "$app" >/dev/null 2>&1 &
    pid=$!
    xdotool search --sync --onlyvisible --pid "$pid" --name '^Tamsel$' >/dev/null
    shown=$(date +%s%N)
    sleep 2 # idle
    rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "run $i: window shown after $(((shown - start) / 1000000)) ms, idle memory ${rss} kB"
done
