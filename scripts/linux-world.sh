# Sourced by the native demo and benchmark: an install folder with the stand-in
# TrustedQSL library of a native build, TrustedQSL's settings file naming it,
# and the local validation server as the proxy.

# linux_world_prepare FOLDER BUILD CERT...: sets world, exports
# XDG_CONFIG_DIRS and http_proxy, and stops the server on exit.
linux_world_prepare() {
    world=$1
    local build=$2 fixtures cert
    shift 2
    fixtures=$(dirname "${BASH_SOURCE[0]}")/../tools/test-certs/fixtures
    rm -rf "$world"
    mkdir -p "$world/install/tqsl-store" "$world/xdg/TrustedQSL"
    cp "$build/tqsl-standin/libtqsllib2.so" "$world/install/"
    echo "[behaviour]" >"$world/install/tqsl-store/store.conf"
    for cert in "$@"; do
        cat "$fixtures/$cert.conf" >>"$world/install/tqsl-store/store.conf"
        cp "$fixtures/$cert.pem" "$fixtures/$cert.key" "$world/install/tqsl-store/"
    done
    printf '[General]\nInstallPath=%s\n' "$world/install" >"$world/xdg/TrustedQSL/TQSLCert.conf"
    export XDG_CONFIG_DIRS=$world/xdg

    "$build/tools/validation-server/validation-server" --log-dir "$world/server" \
        >"$world/server.out" 2>&1 &
    server=$!
    trap 'kill $server 2>/dev/null || true' EXIT
    for _ in $(seq 50); do grep -q listening "$world/server.out" 2>/dev/null && break; sleep 0.1; done
    export http_proxy=http://$(sed -n 's/^listening on //p' "$world/server.out")
}
