#!/usr/bin/env bash
# The native Linux wizard's main job, as the Windows demo does it: the stand-in
# TrustedQSL library, found through TrustedQSL's settings file, and the local
# validation server as the proxy. On a display it is yours to click through
# (the demo key's password is "s3cret pass"); without one it runs under Xvfb,
# walks the happy path by itself with xdotool and saves screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if { [ -z "${DISPLAY:-}" ] || [ -n "${CI:-}" ]; } && [ -z "${OVALDI_DEMO_HEADLESS:-}" ]; then
    export OVALDI_DEMO_HEADLESS=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

source scripts/linux-world.sh
linux_world_prepare "$root/build/demo-linux" build/native K1ABC W1AW
# The stand-in was built with the sanitizers of the native build.
export ASAN_OPTIONS=detect_leaks=0

if [ -z "${OVALDI_DEMO_HEADLESS:-}" ]; then
    echo "Starting the native wizard on your display; the demo key's password is \"s3cret pass\"."
    build/native/qt/ovaldi || true
else
    out=${OVALDI_DEMO_OUT:-$root/demo-out}/linux
    mkdir -p "$out"
    # wait_window TITLE: the id of the visible window of that title.
    wait_window() {
        local id
        for _ in $(seq 300); do
            id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -1) && [ -n "$id" ] &&
                { echo "$id"; return; }
            sleep 0.1
        done
        echo "no window '$1' appeared" >&2
        exit 1
    }
    # wait_gone TITLE: until no window of that title shows.
    wait_gone() {
        for _ in $(seq 300); do
            xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
            sleep 0.1
        done
        echo "window '$1' did not close" >&2
        exit 1
    }
    # wait_line FILE PATTERN: until a line of the file matches.
    wait_line() {
        for _ in $(seq 300); do
            grep -q "$2" "$1" 2>/dev/null && return
            sleep 0.1
        done
        echo "nothing like '$2' in $1" >&2
        exit 1
    }
    # key WINDOW KEYS...: keys typed into a window, as a person would.
    key() {
        local id=$1
        shift
        xdotool windowfocus --sync "$id" key --clearmodifiers "$@"
    }
    shot() {
        sleep 0.5 # let the window finish painting
        import -window root "$out/$1.png"
        echo "  $out/$1.png"
    }
    build/native/qt/ovaldi &
    wizard_pid=$!
    echo "Screenshots:"
    wizard=$(wait_window "Corvalen Authentication Wizard")
    shot 1-introduction
    key "$wizard" Return
    wait_line "$world/install/tqsl-store/calls.log" '^tqsl_getCertificateIssuer'
    shot 2-certificates
    key "$wizard" Return
    prompt=$(wait_window "Key Password")
    xdotool windowfocus --sync "$prompt" type --delay 20 "not the password"
    shot 3-password-prompt
    key "$prompt" Return
    message=$(wait_window ovaldi)
    shot 4-failure-message
    key "$message" Return
    wait_gone ovaldi
    key "$wizard" Return
    prompt=$(wait_window "Key Password")
    xdotool windowfocus --sync "$prompt" type --delay 20 "s3cret pass"
    key "$prompt" Return
    wait_line "$world/install/tqsl-store/calls.log" '^tqsl_endSigning'
    shot 5-completion
    key "$wizard" Return
    status=0
    wait $wizard_pid || status=$?
    echo "The wizard finished with exit status $status."
fi
echo "The validation server's verdicts:"
sed 's/^/  /' "$world"/server/*.verdict 2>/dev/null || echo "  (no request reached it)"
# The walk by itself must end in one accepted request.
if [ -n "${OVALDI_DEMO_HEADLESS:-}" ] && [ "$(cat "$world"/server/*.verdict 2>/dev/null)" != "200 accepted" ]; then
    echo "The walk did not end in one accepted request." >&2
    exit 1
fi
