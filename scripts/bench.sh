#!/usr/bin/env bash
# Benchmarks, rerunnable by anyone: the form body natively, then the wizard
# under Wine against its baselines (needs `make build` first).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build --preset bench --target form_body_bench
echo "== BuildFormBody, native"
build/bench/tools/bench/form_body_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
scripts/bench-wizard.sh
