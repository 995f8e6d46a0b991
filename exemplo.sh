#!/usr/bin/env bash
# Installs what is missing, builds, and writes both sample files (CAT 102/07
# and CAT 98/07) into ./saida-exemplo with the bundled code lists.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependencias.sh base
cmake --preset default >/dev/null
cmake --build --preset default --target tavro >/dev/null
build/bin/tavro exemplo --saida saida-exemplo
