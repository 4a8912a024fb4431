#!/usr/bin/env bash
# Wizard benchmarks under Xvfb, side by side with baselines in one run, as
# medians of repeated runs: start to first page against a bare PropertySheetA
# wizard; Next (clear key, so no prompt) to the completion page against the same
# signing and POST in a minimal program; peak resident memory of each wizard
# process; size of Ovaldi.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${OVALDI_BENCH_DISPLAY:-}" ]; then
    export OVALDI_BENCH_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
runs=${RUNS:-9}

source scripts/wizard-world.sh
world_prepare "$root/build/bench-wizard" W1AW
driver_start

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
peak_kb() { awk '/VmHWM/ {print $2}' "/proc/$(pgrep -n -f "$1")/status"; }

: >"$world/first" >"$world/bare" >"$world/next" >"$world/baseline" >"$world/rss" >"$world/bare-rss"
for _ in $(seq "$runs"); do
    say "start \"$(winpath "$world/Ovaldi.exe")\""
    say "wait-wizard 30000" && echo "$answer" >>"$world/first"
    say "press next" && say "wait-page 1 30000"
    say "press next" && say "wait-page 2 30000" && echo "$answer" >>"$world/next"
    peak_kb Ovaldi.exe >>"$world/rss"
    say "press finish" && say "wait-exit 30000"

    say "start \"$(winpath "$build/tools/bare-wizard/bare-wizard.exe")\""
    say "wait-wizard 30000" && echo "$answer" >>"$world/bare"
    say "press next" && say "wait-page 1 30000"
    say "press next" && say "wait-page 2 30000"
    peak_kb bare-wizard.exe >>"$world/bare-rss"
    say "press cancel" && say "wait-exit 30000"

    "$root/scripts/wine-run" "$build/tools/bench/sign-and-post.exe" "$(winpath "$world/install")" \
        2>/dev/null | awk '{print $1}' >>"$world/baseline"
done

first=$(median <"$world/first") bare=$(median <"$world/bare")
next=$(median <"$world/next") baseline=$(median <"$world/baseline")
rss=$(median <"$world/rss") bare_rss=$(median <"$world/bare-rss")
echo "== Wizard, $(basename "$build") build under Wine, medians of $runs runs"
awk -v a="$first" -v b="$bare" 'BEGIN {printf "start to first page: %.0f ms; bare PropertySheetA wizard: %.0f ms; ratio %.2f\n", a, b, a / b}'
awk -v a="$next" -v b="$baseline" 'BEGIN {printf "Next to completion page: %.0f ms; same signing and POST alone: %.0f ms; ratio %.2f\n", a, b, a / b}'
awk -v a="$rss" -v b="$bare_rss" 'BEGIN {printf "peak resident memory: %d KB; bare wizard: %d KB; difference %d KB\n", a, b, a - b}'
for exe in "$root"/build/win32/app/Ovaldi.exe "$root"/build/win64/app/Ovaldi.exe; do
    [ -f "$exe" ] && echo "size of $(basename "$(dirname "$(dirname "$exe")")")/Ovaldi.exe: $(stat -c %s "$exe") bytes"
done
