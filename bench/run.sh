#!/usr/bin/env bash
# Builds and runs every benchmark. Timings are reported as medians of repeated runs, since the
# machine is shared and noisy; the real-player timing reports its own medians and worst cases
# over the sentences of one run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-debian-packages.sh
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
for b in build/bench/bench_script build/bench/bench_lesson; do
  "$b" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true "$@"
done
build/bench/bench_media_timing "$@" 2> >(grep -v '^ALSA' >&2)
