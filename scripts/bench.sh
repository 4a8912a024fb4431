#!/usr/bin/env bash
# Benchmarks, rerunnable by anyone: the form body natively and under Wine, then
# the wizard under Wine and the native wizard against their baselines (`make
# bench` builds first).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wizard-world.sh
world_pick_build
arch=i686
[ "$WINE_BITS" = 64 ] && arch=x86_64
runs=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)

cmake --preset bench >/dev/null
cmake --build --preset bench --target form_body_bench >/dev/null
echo "== BuildFormBody, native"
build/bench/tools/bench/form_body_bench "${runs[@]}"

benchmark_dir=$(scripts/google-benchmark-windows.sh "$arch")
cmake --preset win32 -B build/win-bench -DOVALDI_WIN_ARCH="$arch" -DCMAKE_BUILD_TYPE=Release \
    -DOVALDI_BENCHMARKS=ON -Dbenchmark_DIR="$benchmark_dir" >/dev/null
cmake --build build/win-bench --target form_body_bench >/dev/null
echo "== BuildFormBody, $arch under Wine"
WINEPREFIX=$root/build/bench-wizard/wineprefix scripts/wine-prefix
WINEPREFIX=$root/build/bench-wizard/wineprefix scripts/wine-run \
    build/win-bench/tools/bench/form_body_bench.exe "${runs[@]}" 2>/dev/null

scripts/bench-wizard.sh
scripts/bench-linux.sh
