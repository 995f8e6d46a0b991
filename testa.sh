#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the whole suite, the
# Windows DLLs (their tables, and the 64-bit one under Wine), the same suite
# under AddressSanitizer + UndefinedBehaviorSanitizer (with leak detection),
# then the fuzz target for about a minute.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependencias.sh base qt fuzz windows

cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default -j2

scripts/windows.sh

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -j2

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
scripts/fuzz.sh 60
