#!/usr/bin/env bash
# The program's main job: the wizard signs with a stand-in TrustedQSL library and
# posts to the local validation server. On a display it is yours to click
# through (the demo key's password is "s3cret pass"); without one it runs
# under Xvfb, walks the happy path by itself and saves screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."

# Wine's processes keep the display they started with, so everything of a
# headless demo runs under the one virtual display.
if { [ -z "${DISPLAY:-}" ] || [ -n "${CI:-}" ]; } && [ -z "${OVALDI_DEMO_HEADLESS:-}" ]; then
    export OVALDI_DEMO_HEADLESS=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi

source scripts/wizard-world.sh
world_prepare "$root/build/demo" K1ABC W1AW

if [ -z "${OVALDI_DEMO_HEADLESS:-}" ]; then
    echo "Starting the wizard on your display; the demo key's password is \"s3cret pass\"."
    scripts/wine-run "$world/Ovaldi.exe" >/dev/null 2>&1 || true
else
    out=$root/demo-out
    mkdir -p "$out"
    shot() {
        sleep 0.3 # let the window finish painting
        say "screenshot $(winpath "$world/shot.bmp")"
        convert "$world/shot.bmp" "$out/$1.png"
        echo "  $out/$1.png"
    }
    driver_start
    echo "Screenshots:"
    say "start \"$(winpath "$world/Ovaldi.exe")\""
    say "wait-wizard 30000"
    shot 1-introduction
    say "press next"
    say "wait-page 1 30000"
    shot 2-certificates
    say "press next"
    say "wait-dialog Key Password 30000"
    say "type not the password"
    shot 3-password-prompt
    say "dialog Key Password press 1"
    say "wait-dialog Ovaldi 30000"
    shot 4-failure-message
    say "dialog Ovaldi press 1"
    say "wait-page 1 30000"
    say "press next"
    say "wait-dialog Key Password 30000"
    say "type s3cret pass"
    say "dialog Key Password press 1"
    say "wait-page 2 30000"
    shot 5-completion
    say "press finish"
    say "wait-exit 30000"
    echo "The wizard finished with exit status $answer."
fi
echo "The validation server's verdicts:"
sed 's/^/  /' "$world"/server/*.verdict 2>/dev/null || echo "  (no request reached it)"
