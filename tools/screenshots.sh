#!/usr/bin/env bash
# Renders the home screen, the sidebar, the password prompt, the shared
# controls and the document screen (also in other languages) to PNG files on
# a virtual X display, so anyone can look at them.
#   tools/screenshots.sh [build folder] [output folder]
set -euo pipefail
build=${1:-build}
out=${2:-$build/screenshots}
cmake --build "$build" --target tamsel_screenshots tamsel_shots_document tamsel_shots_languages tamsel-engine
mkdir -p "$out"
# The shots draw their pages with the engine's worker program, built beside tamsel.
export TAMSEL_ENGINE_WORKER=${TAMSEL_ENGINE_WORKER:-$(cd "$build" && pwd)/bin/tamsel-engine}
xvfb-run -a -s "-screen 0 1600x1200x24" "$build/tests/tamsel_screenshots" "$out"
xvfb-run -a -s "-screen 0 1600x1200x24" "$build/tests/tamsel_shots_document" "$out"
# German, Japanese and Russian: longer words and other scripts.
xvfb-run -a -s "-screen 0 1600x1200x24" "$build/tests/tamsel_shots_languages" "$out"
echo "Screenshots in $out"
