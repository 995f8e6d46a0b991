#!/usr/bin/env bash
# Builds and runs the benchmarks (never part of the tests).
#   bench/roda.sh            whole runs A and B beside their floor, then validators and filters
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/dependencias.sh base
cmake --preset default >/dev/null
cmake --build --preset default --target tavro_bench_execucoes tavro_bench_validadores
echo "== Execuções inteiras (mediana de 5) =="
build/bin/tavro_bench_execucoes --vezes 5
echo
echo "== Validadores e filtros, por chamada =="
build/bin/tavro_bench_validadores --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true \
  --benchmark_min_time=0.2 --benchmark_report_aggregates_only=true 2>&1 | grep -E 'median|Benchmark|---'
