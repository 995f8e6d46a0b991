#!/usr/bin/env bash
# Cross-builds Tavrolib.dll for 32-bit (stdcall, names from the .def) and
# 64-bit Windows, checks both export and import tables, and runs the Windows
# hosts under Wine against the end-to-end fixtures. The 32-bit DLL is checked
# by its link and its tables only: these machines cannot run 32-bit programs.
set -euo pipefail
cd "$(dirname "$0")/.."
raiz=$PWD
falhas=0
falha() { echo "FALHA: $*" >&2; falhas=$((falhas + 1)); }

for p in windows-x86 windows-x64; do
  cmake --preset "$p" >/dev/null
  cmake --build --preset "$p" >/dev/null
done

lista=build-windows-x64/gerados/exportacoes.lista
sistema='^(KERNEL32|USER32|ole32|msvcrt|ADVAPI32|ntdll)\.dll$'
for par in "x86 i686" "x64 x86_64"; do
  set -- $par
  dll=build-windows-$1/bin/Tavrolib.dll
  tabela=$("$2"-w64-mingw32-objdump -p "$dll")
  exportados=$(awk '/\[Ordinal\/Name Pointer\] Table/{f=1;next} f&&/^\t\[/{print $3} f&&!/^\t\[/{f=0}' <<<"$tabela" | sort)
  if [ "$exportados" != "$(sort "$lista")" ]; then
    falha "$1: the export table is not exactly the export list"
    diff <(echo "$exportados") <(sort "$lista") >&2 || true
  fi
  grep -q '@' <<<"$exportados" && falha "$1: decorated export names"
  while read -r nome; do
    [[ "$nome" =~ $sistema ]] || falha "$1: imports $nome, not a system DLL"
  done < <(awk '/DLL Name:/{print $3}' <<<"$tabela")
  echo "$1: $(wc -l <<<"$exportados") exports, imports: $(awk '/DLL Name:/{print $3}' <<<"$tabela" | tr '\n' ' ')"
done

# The 64-bit hosts under Wine, in a throw-away prefix with Brazilian separators.
export WINEPREFIX=$raiz/build-windows-x64/wineprefix WINEDEBUG=-all
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=wine64
if [ ! -d "$WINEPREFIX" ]; then
  "$wine" wineboot -i >/dev/null 2>&1 || true
  "$wine" reg add 'HKCU\Control Panel\International' /v sDecimal /d , /f >/dev/null 2>&1
  "$wine" reg add 'HKCU\Control Panel\International' /v sThousand /d . /f >/dev/null 2>&1
fi
win() { echo "Z:${1//\//\\}"; }
bin=build-windows-x64/bin
( cd "$bin" && "$wine" verifica_exportacoes.exe Tavrolib.dll "$(win "$raiz/$lista")" ) || falha "run-time binding by name"
tmp=$(mktemp -d)
for caso in "amostra-102 cat10207" "amostra-98 cat9807" "vazia vazia"; do
  set -- $caso
  mkdir -p "$tmp/$2"
  ( cd "$bin" && "$wine" host_c.exe "$1" "$(win "$tmp/$2")" "$(win "$raiz/data")" ) || falha "host_c $1 under Wine"
  for f in VIZorudude.txt erro_VIZorudude.txt log_VIZorudude.txt; do
    if [ -e "tests/fixtures/$2/$f" ]; then
      cmp -s "tests/fixtures/$2/$f" "$tmp/$2/$f" || falha "$2/$f differs from the fixture under Wine"
    elif [ -e "$tmp/$2/$f" ]; then
      falha "$2/$f should not exist"
    fi
  done
done
rm -rf "$tmp"
if [ "$falhas" -eq 0 ]; then echo "windows: 1 passed, 0 failed"; else echo "windows: 0 passed, 1 failed"; exit 1; fi
