#!/usr/bin/env bash
# The program's main job: the wizard signs with a stand-in TrustedQSL library and
# posts to the local validation server. On a display it is yours to click
# through (the demo key's password is "s3cret pass"); without one it runs
# under Xvfb, walks the happy path by itself and saves screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# Wine's processes keep the display they started with, so everything of a
# headless demo runs under the one virtual display.
if [ -z "${DISPLAY:-}" ] || [ -n "${CI:-}" ]; then
    if [ -z "${OVALDI_DEMO_HEADLESS:-}" ]; then
        export OVALDI_DEMO_HEADLESS=1
        exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
    fi
fi

# The product is i686; Wine runs it where the kernel allows 32-bit code.
build=build/win32
export WINE_BITS=32
source scripts/wine-env
if ! wine_can_run; then
    build=build/win64
    export WINE_BITS=64
    source scripts/wine-env
fi
demo=$root/build/demo
out=$root/demo-out
export WINEPREFIX=$demo/wineprefix
scripts/wine-prefix

rm -rf "$demo/install" "$demo/server"
mkdir -p "$demo/install" "$out"
cp "$build"/tqsl-standin/tqsllib2.dll "$demo/install/"
cp -r tools/test-certs/fixtures/stores/demo "$demo/install/tqsl-store"
cp "$build"/app/Ovaldi.exe "$demo/Ovaldi.exe"

build/native/tools/validation-server/validation-server --log-dir "$demo/server" >"$demo/server.out" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
for _ in $(seq 50); do grep -q listening "$demo/server.out" 2>/dev/null && break; sleep 0.1; done
port=$(sed -n 's/^listening on 127.0.0.1://p' "$demo/server.out")

winpath() { echo "Z:${1//\//\\}"; }
cat >"$demo/setup.reg" <<REG
REGEDIT4

[HKEY_LOCAL_MACHINE\\SOFTWARE\\TrustedQSL\\TQSLCert]
"InstallPath"="$(winpath "$demo/install" | sed 's/\\/\\\\/g')"

[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]
"ProxyEnable"=dword:00000001
"ProxyServer"="127.0.0.1:$port"
REG
scripts/wine-run regedit /S "$(winpath "$demo/setup.reg")" >/dev/null 2>&1

verdicts() {
    echo "The validation server's verdicts:"
    cat "$demo"/server/*.verdict 2>/dev/null | sed 's/^/  /' || echo "  (no request reached it)"
}

if [ -z "${OVALDI_DEMO_HEADLESS:-}" ]; then
    echo "Starting the wizard on your display; the demo key's password is \"s3cret pass\"."
    scripts/wine-run "$demo/Ovaldi.exe" >/dev/null 2>&1 || true
    verdicts
    exit 0
fi

scripts/demo-walk.sh "$build" "$demo" "$out" "$demo/server"
