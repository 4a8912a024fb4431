# Sourced by the native demo and benchmark: an install folder with the stand-in
# TrustedQSL library of a native build, TrustedQSL's settings file naming it,
# and the local validation server as the proxy.

source "$(dirname "${BASH_SOURCE[0]}")/world-parts.sh"

# linux_world_prepare FOLDER BUILD CERT...: sets world, exports
# XDG_CONFIG_DIRS and http_proxy, and stops the server on exit.
linux_world_prepare() {
    world=$1
    local build=$2
    shift 2
    rm -rf "$world"
    mkdir -p "$world/install" "$world/xdg/TrustedQSL"
    cp "$build/tqsl-standin/libtqsllib2.so" "$world/install/"
    world_store "$world/install" "$@"
    printf '[General]\nInstallPath=%s\n' "$world/install" >"$world/xdg/TrustedQSL/TQSLCert.conf"
    export XDG_CONFIG_DIRS=$world/xdg
    world_server "$world" "$build/tools/validation-server/validation-server"
    export http_proxy=http://127.0.0.1:$server_port
}
