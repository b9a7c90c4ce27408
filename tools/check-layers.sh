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
# The process boundary: the supervisor (src/engine) and the worker (src/worker)
# share only the protocol's header, and no other library reaches into the
# worker.
shared_with_worker=" WorkerProtocol.h "
while IFS=: read -r file lineno header; do
    [[ -n $file ]] || continue
    echo "${file#"$root"/}:$lineno: the engine's supervisor includes the worker's worker/$header"
    status=1
done < <(grep -rnoE '^#include "worker/[A-Za-z]+\.h' "$root/src/engine" --include='*.h' --include='*.cpp' \
             | sed -E 's/#include "worker\///')
while IFS=: read -r file lineno header; do
    [[ -n $file ]] || continue
    if [[ $shared_with_worker != *" $header "* ]]; then
        echo "${file#"$root"/}:$lineno: the worker includes the supervisor's engine/$header, which is no part of the protocol"
        status=1
    fi
done < <(grep -rnoE '^#include "engine/[A-Za-z]+\.h' "$root/src/worker" --include='*.h' --include='*.cpp' \
             | sed -E 's/#include "engine\///')
for dir in "$root"/src/*/; do
    lib=$(basename "$dir")
    [[ $lib == worker || $lib == engine ]] && continue
    while IFS=: read -r file lineno _; do
        [[ -n $file ]] || continue
        echo "${file#"$root"/}:$lineno: $lib includes the worker's headers; only the worker program may"
        status=1
    done < <(grep -rnoE '^#include "worker/' "$dir" --include='*.h' --include='*.cpp')
done

(( status == 0 )) && echo "Every library includes only its own layer and those below."
exit $status
