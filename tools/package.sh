#!/usr/bin/env bash
# Builds the release package: build/release/Mirevo-<version>-win64.zip with
# Mirevo.exe (statically linked: it needs only the DLLs every Windows has)
# and the Chinese readme.txt (GBK, CRLF; its source is docs/readme.txt,
# edit it with an editor set to GBK, or through iconv).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Mirevo
bash tools/check_imports.sh build/windows/Mirevo.exe

version=$(sed -n 's/^#define MIREVO_VERSION "\(.*\)"$/\1/p' build/windows/generated/mirevo_version.h)
out=build/release
stage=$out/Mirevo-$version
rm -rf "$stage"
mkdir -p "$stage"
cp build/windows/Mirevo.exe "$stage/"
cp docs/readme.txt "$stage/readme.txt"
zip=$out/Mirevo-$version-win64.zip
rm -f "$zip"
(cd "$out" && zip -q -X -r "$(basename "$zip")" "Mirevo-$version")
echo "package: $zip"
unzip -l "$zip"
