#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependencias.sh base
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default -j2
