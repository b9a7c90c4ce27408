#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format makes of it
# with the checked-in .clang-format. Fix with:
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"
command -v clang-format > /dev/null || { echo "clang-format is not installed"; exit 1; }
files=$(git ls-files '*.cpp' '*.h' 2> /dev/null || find src tests bench tools -name '*.cpp' -o -name '*.h')
unformatted=0
for file in $files; do
    if ! clang-format --dry-run --Werror "$file" > /dev/null 2>&1; then
        echo "$file is not formatted"
        unformatted=$((unformatted + 1))
    fi
done
if (( unformatted > 0 )); then
    echo "$unformatted files differ from .clang-format"
    exit 1
fi
echo "Every C++ file is formatted."
