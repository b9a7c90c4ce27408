#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what clang-format makes of it
# with the checked-in .clang-format. Mend with:
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"
command -v clang-format > /dev/null || { echo "clang-format is not installed (tools/packages.txt)"; exit 1; }
# clang-format names every file that would change in a warning of its own.
unformatted=$(git ls-files -z '*.cpp' '*.h' |
    xargs -0 -n 25 -P "$(nproc)" clang-format --dry-run 2>&1 |
    sed -n -E 's/^([^:]+):[0-9]+:[0-9]+: warning: .*-Wclang-format-violations.*/\1/p' | sort -u)
if [[ -n $unformatted ]]; then
    echo "$unformatted" | sed 's/$/ is not formatted/'
    echo "$(wc -l <<<"$unformatted") files differ from .clang-format"
    exit 1
fi
echo "Every C++ file is formatted."
