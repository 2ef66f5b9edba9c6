#!/usr/bin/env bash
# Builds and runs every benchmark; figures are medians of repeated runs, since the machine is
# shared and noisy.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-debian-packages.sh
scripts/build.sh
for b in build/bench/bench_*; do
  QT_QPA_PLATFORM=offscreen "$b" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true "$@"
done
