#!/usr/bin/env bash
# Builds both Windows DLLs and writes dist/Tavrolib-win32.zip and
# dist/Tavrolib-win64.zip: the DLL, the header and the Windows notes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dependencias.sh base windows
mkdir -p dist
for par in "x86 win32" "x64 win64"; do
  set -- $par
  cmake --preset "windows-$1" >/dev/null
  cmake --build --preset "windows-$1" --target tavrolib >/dev/null
  pasta=$(mktemp -d)/Tavrolib-$2
  mkdir -p "$pasta"
  cp "build-windows-$1/bin/Tavrolib.dll" include/tavrolib/tavrolib.h "$pasta/"
  cp docs/windows.md "$pasta/LEIAME-Windows.md"
  ( cd "$(dirname "$pasta")" && cmake -E tar cf "$OLDPWD/dist/Tavrolib-$2.zip" --format=zip "Tavrolib-$2" )
  rm -rf "$(dirname "$pasta")"
  echo "dist/Tavrolib-$2.zip"
done
