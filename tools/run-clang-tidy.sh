#!/usr/bin/env bash
# Static analysis of the program's sources with the checks of .clang-tidy, on the
# compile commands of a configured and built tree (the build makes the generated
# headers the sources include):
#   tools/run-clang-tidy.sh [BUILD_DIR] [JOBS]
# Prints every finding and exits non-zero when there is one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
jobs=${2:-$(nproc)}
tidy=$(command -v clang-tidy-14 || command -v clang-tidy || true)
if [[ -z $tidy ]]; then
    echo "run-clang-tidy: clang-tidy is not installed (tools/packages.txt)" >&2
    exit 2
fi
if [[ ! -f $build/compile_commands.json ]]; then
    echo "run-clang-tidy: no compile_commands.json in $build; configure first" >&2
    exit 2
fi
cd "$root"
# One file per run, so that each file's findings come out together; the count of
# warnings each run found in library headers (and dropped) is left out. The
# prelude lets clang parse qpdf's headers (see there). A file clang can't parse
# fails the run like a finding.
set +e
git ls-files -z 'src/*.cpp' 'tools/*.cpp' |
    xargs -0 -n 1 -P "$jobs" "$tidy" -p "$build" --quiet \
        --extra-arg=-include --extra-arg="$root/tools/clang-tidy-prelude.h" 2>&1 |
    grep -v -E '^[0-9]+ warnings? generated\.$'
status=${PIPESTATUS[1]}
set -e
if (( status != 0 )); then
    echo "clang-tidy: findings above" >&2
    exit 1
fi
echo "clang-tidy: no findings"
