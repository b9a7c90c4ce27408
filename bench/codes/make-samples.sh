#!/bin/sh
# Remakes bench/data/codes from clean codes drawn by zint (Debian package
# "zint"), which no part of this program wrote, then roughened by
# make_code_samples. Run from the source folder after a build:
#     sh bench/codes/make-samples.sh build/bin/make_code_samples
set -e
maker=${1:-build/bin/make_code_samples}
clean=$(mktemp -d)
trap 'rm -rf "$clean"' EXIT
# kind, zint symbology number, data, the code's whole text as a reader gives it
while IFS='|' read -r kind number data text; do
    zint -b "$number" --scale=2 -d "$data" -o "$clean/$kind.png"
    printf '%s' "$text" > "$clean/$kind.txt"
done <<'LIST'
qr|58|https://example.com/qr-sample?id=42|https://example.com/qr-sample?id=42
microqr|97|MQR123|MQR123
aztec|92|Aztec sample 42|Aztec sample 42
datamatrix|71|DM sample 42|DM sample 42
pdf417|55|PDF417 sample 42|PDF417 sample 42
micropdf417|84|MicroPDF 42|MicroPDF 42
ean13|13|590123412345|5901234123457
ean8|13|9638507|96385074
upca|34|03600029145|036000291452
upce|37|0123456|01234565
code39|8|CODE39 SAMPLE|CODE39 SAMPLE
code93|25|CODE93 SAMPLE|CODE93 SAMPLE
code128|20|Code128 sample|Code128 sample
itf14|89|1540014128876|15400141288763
i2of5|3|12345678|12345678
codabar|18|A40156B|A40156B
databar|29|0001234567890|0100012345678905
databarlimited|30|0001234567890|0100012345678905
databarexpanded|31|[01]98898765432106[3202]012345|01988987654321063202012345
msiplessey|47|1234567|1234567
LIST
find bench/data/codes -mindepth 1 -maxdepth 1 -type d -exec rm -rf {} +
"$maker" "$clean" bench/data/codes
