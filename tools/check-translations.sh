#!/usr/bin/env bash
# Fails when a text of the program is missing from the translation files, or
# when a language other than English leaves a text untranslated or unfinished.
# Works on copies: the files under resources/translations stay as they are.
#   check-translations.sh <source root> <lupdate> <lrelease>
set -euo pipefail
root=$1
lupdate=$2
lrelease=$3

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$root"/resources/translations/tamsel_*.ts "$scratch"/
status=0

# The same collection as the tamsel_lupdate target.
(cd "$root" && "$lupdate" -locations none -no-obsolete -I src src -ts "$scratch"/tamsel_*.ts) \
    >"$scratch/lupdate.log" 2>&1 || { cat "$scratch/lupdate.log"; exit 1; }
if grep -q "cannot be called without context\|Discarding unconsumed" "$scratch/lupdate.log"; then
    grep "cannot be called without context\|Discarding unconsumed" "$scratch/lupdate.log"
    status=1
fi
new=$(sed -nE 's/.*\(([0-9]+) new and.*/\1/p' "$scratch/lupdate.log" | sort -n | tail -1)
if [[ -z $new ]]; then
    cat "$scratch/lupdate.log"
    exit 1
elif (( new > 0 )); then
    echo "$new text(s) of the source are in no .ts file: cmake --build build --target tamsel_lupdate"
    status=1
fi

for ts in "$root"/resources/translations/tamsel_*.ts; do
    language=$(basename "$ts" .ts)
    language=${language#tamsel_}
    [[ $language == en ]] && continue
    report=$("$lrelease" "$ts" -qm "$scratch/$language.qm" 2>&1)
    unfinished=$(sed -nE 's/.*and ([0-9]+) unfinished.*/\1/p' <<<"$report")
    untranslated=$(sed -nE 's/.*Ignored ([0-9]+) untranslated.*/\1/p' <<<"$report")
    if [[ ${unfinished:-0} != 0 || ${untranslated:-0} != 0 ]]; then
        echo "$language: ${unfinished:-0} unfinished, ${untranslated:-0} untranslated"
        status=1
    fi
done
exit $status
