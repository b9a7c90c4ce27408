#!/usr/bin/env bash
# Fails when a library under src/ includes a header of a library in a higher
# layer. The layers are read from the README's "Layers" list: one line per
# layer, lowest first, each naming its folders as `src/<name>`. Libraries of one
# layer may include each other.
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}

declare -A rank
layer=0
in_list=0
while IFS= read -r line; do
    if [[ $line == "### Layers"* ]]; then in_list=1; continue; fi
    (( in_list )) || continue
    [[ $line == "#"* ]] && break
    [[ $line == "- "* ]] || continue
    layer=$((layer + 1))
    for name in $(grep -oE '`src/[a-z]+`' <<<"$line" | sed -E 's/`src\/([a-z]+)`/\1/'); do
        rank[$name]=$layer
    done
done < "$root/README.md"
(( ${#rank[@]} > 0 )) || { echo "README.md has no \"### Layers\" list"; exit 1; }

status=0
for dir in "$root"/src/*/; do
    lib=$(basename "$dir")
    if [[ -z ${rank[$lib]:-} ]]; then
        echo "src/$lib is in no layer of the README's list"
        status=1
        continue
    fi
    while IFS=: read -r file lineno target; do
        [[ -n $file ]] || continue
        if [[ -z ${rank[$target]:-} ]]; then
            continue    # a folder that is no library (say, a generated one)
        elif (( rank[$target] > rank[$lib] )); then
            echo "${file#"$root"/}:$lineno: $lib includes $target, a higher layer"
            status=1
        fi
    done < <(grep -rnoE '^#include "[a-z]+/' "$dir" --include='*.h' --include='*.cpp' \
                 | sed -E 's/#include "([a-z]+)\/$/\1/')
done
# The two sides of the worker process boundary: the supervisor (src/engine) and
# the worker (src/worker) meet only in the protocol's shared header.
shared='engine/WorkerProtocol.h'
boundary() { # <folder> <the other side's folder>
    [[ -d $root/src/$1 ]] || return 0
    while IFS=: read -r file lineno header; do
        [[ -n $file ]] || continue
        if [[ $header != "$shared" ]]; then
            echo "${file#"$root"/}:$lineno: $1 includes $header across the worker boundary"
            status=1
        fi
    done < <(grep -rnoE "^#include \"$2/[^\"]+\"" "$root/src/$1" --include='*.h' --include='*.cpp' \
                 | sed -E 's/#include "([^"]+)"$/\1/')
}
boundary engine worker
boundary worker engine

(( status == 0 )) && echo "Every library includes only its own layer and those below, and the worker and its supervisor share only the protocol."
exit $status
