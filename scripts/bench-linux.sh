#!/usr/bin/env bash
# The native wizard under Xvfb, side by side with a bare QWizard in one run, as
# medians of repeated runs: start to the first page's window being mapped, and
# peak resident memory once the wizard has signed, posted and shown its
# completion page (the bare wizard: on its last page). Optimised build.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${OVALDI_BENCH_DISPLAY:-}" ]; then
    export OVALDI_BENCH_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
runs=${RUNS:-9}
root=$PWD
build=$root/build/bench
cmake --preset bench >/dev/null
cmake --build --preset bench --target ovaldi bare-qwizard first-window tqsl_standin \
    validation-server >/dev/null

source scripts/linux-world.sh
linux_world_prepare "$root/build/bench-linux" "$build" W1AW

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
press_enter() { xdotool windowfocus --sync "$1" key Return; }
# walk TITLE PROGRAM RESULTS PEAKS WAIT_LAST: times the first window, notes the
# peak memory there, presses Next twice, waits for the last page (WAIT_LAST),
# notes the peak memory again and presses Finish.
walk() {
    local title=$1 program=$2 timing pid window
    timing=$("$build/tools/bench/first-window" "$title" 30000 "$program")
    echo "${timing% *}" >>"$3"
    pid=${timing#* }
    window=$(xdotool search --sync --onlyvisible --name "^$title\$" | tail -1)
    sleep 0.3
    awk '/VmHWM/ {print $2}' "/proc/$pid/status" >>"$4.first"
    press_enter "$window"
    sleep 0.3
    press_enter "$window"
    $5
    sleep 0.3
    awk '/VmHWM/ {print $2}' "/proc/$pid/status" >>"$4"
    press_enter "$window"
    while kill -0 "$pid" 2>/dev/null; do sleep 0.05; done
}
posted=0
wait_posted() {
    posted=$((posted + 1))
    for _ in $(seq 300); do
        [ "$(cat "$world"/server/*.verdict 2>/dev/null | grep -c '^200 accepted')" -ge $posted ] && return
        sleep 0.05
    done
    echo "the wizard's request never reached the server" >&2
    exit 1
}

: >"$world/first" >"$world/bare" >"$world/rss" >"$world/bare-rss" >"$world/rss.first" >"$world/bare-rss.first"
for _ in $(seq "$runs"); do
    walk "Corvalen Authentication Wizard" "$build/qt/ovaldi" "$world/first" "$world/rss" wait_posted
    walk "Bare QWizard" "$build/tools/bare-qwizard/bare-qwizard" "$world/bare" "$world/bare-rss" true
done

first=$(median <"$world/first") bare=$(median <"$world/bare")
rss=$(median <"$world/rss") bare_rss=$(median <"$world/bare-rss")
rss_first=$(median <"$world/rss.first") bare_rss_first=$(median <"$world/bare-rss.first")
echo "== Native wizard (Qt $(pkg-config --modversion Qt6Widgets 2>/dev/null || echo 6)), medians of $runs runs"
awk -v a="$first" -v b="$bare" 'BEGIN {printf "start to first page: %.0f ms; bare QWizard: %.0f ms; ratio %.2f\n", a, b, a / b}'
awk -v a="$rss_first" -v b="$bare_rss_first" 'BEGIN {printf "peak resident memory at the first page: %d KB; bare QWizard: %d KB; difference %d KB\n", a, b, a - b}'
awk -v a="$rss" -v b="$bare_rss" 'BEGIN {printf "peak resident memory after signing and posting: %d KB; bare QWizard on its last page: %d KB; difference %d KB\n", a, b, a - b}'
echo "size of ovaldi: $(stat -c %s "$build/qt/ovaldi") bytes"
