#!/usr/bin/env bash
# Runs the fuzz target (built by the "fuzz" preset) for SECONDS seconds on a
# copy of the seed corpus. Findings land in build-fuzz/achados/.
#   scripts/fuzz.sh 60        what the test command runs
#   scripts/fuzz.sh 3600 2    an hour, two workers
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-60}
trabalhos=${2:-1}
corpus=build-fuzz/corpus
mkdir -p "$corpus" build-fuzz/achados
cp -n fuzz/corpus/* "$corpus"/ 2>/dev/null || true
args=(-max_len=65600 -max_total_time="$segundos" -timeout=20 -rss_limit_mb=4096
      -artifact_prefix=build-fuzz/achados/ -print_final_stats=1)
if [ "$trabalhos" -gt 1 ]; then
  args+=(-jobs="$trabalhos" -workers="$trabalhos")
fi
build-fuzz/bin/tavro_fuzz "$corpus" "${args[@]}" 2>&1 | grep -E '^(stat::|INVARIANTE|==[0-9]+==ERROR|SUMMARY)|Done [0-9]+ runs' || true
test -z "$(ls -A build-fuzz/achados)" || { echo "fuzz findings in build-fuzz/achados/" >&2; exit 1; }
echo "fuzz: 1 passed, 0 failed"
