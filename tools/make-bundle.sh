#!/usr/bin/env bash
# Makes the signed install folder of a build and packs it for the update feed:
#   tools/make-bundle.sh [options] BUILD_DIR KEY.pem OUT_DIR
# installs BUILD_DIR into a folder "Tamsel", writes its Info.json, signs it with
# the Ed25519 private key KEY.pem (see tools/tamsel-sign.cpp) and writes
# OUT_DIR/Tamsel-<version>.tar.gz with its SHA-256 beside it (".sha256") and its
# own signature by the same key (".sig"). The feed carries them as "sha256" and
# "signature", and the archive's size in bytes as "size". Options:
#   --version V   --build N   instead of the build's own version and build number
#   --folder DIR  pack a copy of DIR instead of installing BUILD_DIR
# Users unpack it where they like (say ~/.local/opt) and start Tamsel/bin/tamsel;
# it runs on Debian 12's own Qt, Poppler, qpdf and ZXing packages.
set -euo pipefail

identifier=app.belvin.tamsel.mac
version= build= from=
while [[ ${1:-} == --* ]]; do
    case $1 in
        --version) version=$2; shift 2 ;;
        --build) build=$2; shift 2 ;;
        --folder) from=$2; shift 2 ;;
        *) echo "make-bundle: unknown option $1" >&2; exit 2 ;;
    esac
done
if (( $# != 3 )); then
    sed -n '2,13p' "$0" >&2
    exit 2
fi
build_dir=$(cd "$1" && pwd)
key=$2
mkdir -p "$3"
out=$(cd "$3" && pwd)

cache() { sed -n "s/^$1:[A-Z]*=//p" "$build_dir/CMakeCache.txt"; }
[[ -n $version ]] || version=$(cache CMAKE_PROJECT_VERSION)
[[ -n $build ]] || build=$(cache TAMSEL_BUILD_NUMBER)
[[ $version =~ ^[0-9A-Za-z.+~-]+$ ]] || { echo "make-bundle: bad version '$version'" >&2; exit 1; }
[[ $build =~ ^[0-9]+$ ]] || { echo "make-bundle: bad build '$build'" >&2; exit 1; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder=$stage/Tamsel
if [[ -n $from ]]; then
    cp -R -P --preserve=mode,timestamps,links -- "$from" "$folder"
else
    cmake --install "$build_dir" --prefix "$folder" --strip >/dev/null
fi
rm -rf "$folder/Signature"
printf '{\n    "identifier": "%s",\n    "version": "%s",\n    "build": "%s"\n}\n' \
    "$identifier" "$version" "$build" >"$folder/Info.json"
chmod 0644 "$folder/Info.json"
"$build_dir/bin/tamsel-sign" "$folder" "$key"
# The two folders the manifest does not list go out as every install expects them.
chmod 0755 "$folder" "$folder/Signature"

archive=$out/Tamsel-$version.tar.gz
tar --create --gzip --sort=name --owner=0 --group=0 --numeric-owner \
    --file "$archive" --directory "$stage" Tamsel
(cd "$out" && sha256sum "Tamsel-$version.tar.gz" >"Tamsel-$version.tar.gz.sha256")
"$build_dir/bin/tamsel-sign" --archive "$archive" "$key" >"$archive.sig"
cat "$archive.sha256"
echo "signature: $(cat "$archive.sig")"
echo "size: $(stat -c %s "$archive")"
