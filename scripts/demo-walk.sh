#!/usr/bin/env bash
# Walks the wizard's happy path through the wizard driver, with one wrong
# password on the way, and saves a screenshot of every step.
set -euo pipefail
build=$1 demo=$2 out=$3 serverlog=$4
root="$(cd "$(dirname "$0")/.." && pwd)"
winpath() { echo "Z:${1//\//\\}"; }

coproc DRIVER { "$root/scripts/wine-run" "$root/$build/tools/wizard-driver/wizard-driver.exe" 2>/dev/null; }
say() {
    echo "$1" >&"${DRIVER[1]}"
    IFS= read -r answer <&"${DRIVER[0]}"
    case "$answer" in
    ok*) ;;
    *) echo "demo: '$1' answered '$answer'" >&2; exit 1 ;;
    esac
}
shot() {
    sleep 0.3 # let the window finish painting
    say "screenshot $(winpath "$demo/shot.bmp")"
    convert "$demo/shot.bmp" "$out/$1.png"
    echo "  $out/$1.png"
}

echo "Screenshots:"
say "start \"$(winpath "$demo/Ovaldi.exe")\""
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
echo "The wizard finished with exit status ${answer#ok }."
echo "The validation server's verdicts:"
sed 's/^/  /' "$serverlog"/*.verdict
