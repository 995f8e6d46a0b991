#!/usr/bin/env bash
# Installs, on a Debian machine, the packages the given groups need, and only
# those that are missing. Groups: base (build and tests), qt, windows, fuzz.
set -euo pipefail

pacotes=()
for grupo in "$@"; do
  case "$grupo" in
    base) pacotes+=(cmake ninja-build g++ gcc libgtest-dev libgmock-dev libbenchmark-dev binutils python3) ;;
    qt) pacotes+=(qt6-base-dev libgl-dev fonts-dejavu-core) ;;
    windows) pacotes+=(g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 wine wine64) ;;
    fuzz) pacotes+=(clang libclang-rt-14-dev) ;;
    *) echo "unknown group: $grupo" >&2; exit 2 ;;
  esac
done

faltam=()
for p in "${pacotes[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || faltam+=("$p")
done
[ ${#faltam[@]} -eq 0 ] && exit 0

echo "installing: ${faltam[*]}" >&2
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${faltam[@]}" >/dev/null
