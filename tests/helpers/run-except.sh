#!/bin/sh
# run-except.sh PROGRAM FUNCTION...
# Runs every test function of the QtTest PROGRAM but the ones named, which
# another CTest entry runs at the same time.
program=$1
shift
functions=$("$program" -functions) || exit 1
selected=
for function in $functions; do
    name=${function%"()"}
    keep=yes
    for apart in "$@"; do
        if [ "$name" = "$apart" ]; then
            keep=no
        fi
    done
    if [ "$keep" = yes ]; then
        selected="$selected $name"
    fi
done
# shellcheck disable=SC2086 # one word per function
exec "$program" $selected
