# Sourced by the demo and the benchmarks: a Wine prefix in which the wizard finds
# a stand-in TrustedQSL install through the registry and reaches the local
# validation server as its proxy, and the wizard driver to walk it.

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/scripts/world-parts.sh"
winpath() { echo "Z:${1//\//\\}"; }

# The product is i686; Wine runs it where the kernel allows 32-bit code.
world_pick_build() {
    build=$root/build/win32
    export WINE_BITS=32
    source "$root/scripts/wine-env"
    if ! wine_can_run; then
        build=$root/build/win64
        export WINE_BITS=64
        source "$root/scripts/wine-env"
    fi
}

# world_prepare FOLDER CERT...: install folder, store, server, registry.
world_prepare() {
    world=$1
    shift
    world_pick_build
    export WINEPREFIX=$world/wineprefix
    "$root/scripts/wine-prefix"
    rm -rf "$world/install" "$world/server"
    mkdir -p "$world/install"
    cp "$build/tqsl-standin/tqsllib2.dll" "$world/install/"
    world_store "$world/install" "$@"
    cp "$build/app/Ovaldi.exe" "$world/Ovaldi.exe"
    world_server "$world" "$root/build/native/tools/validation-server/validation-server"

    cat >"$world/setup.reg" <<REG
REGEDIT4

[HKEY_LOCAL_MACHINE\\SOFTWARE\\TrustedQSL\\TQSLCert]
"InstallPath"="$(winpath "$world/install" | sed 's/\\/\\\\/g')"

[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings]
"ProxyEnable"=dword:00000001
"ProxyServer"="127.0.0.1:$server_port"
REG
    "$root/scripts/wine-run" regedit /S "$(winpath "$world/setup.reg")" >/dev/null 2>&1
}

driver_start() {
    coproc DRIVER { "$root/scripts/wine-run" "$build/tools/wizard-driver/wizard-driver.exe" 2>/dev/null; }
}

# say COMMAND: one driver command; its answer (after "ok ") lands in $answer.
say() {
    echo "$1" >&"${DRIVER[1]}"
    IFS= read -r answer <&"${DRIVER[0]}"
    case "$answer" in
    ok*) answer=${answer#ok} answer=${answer# } ;;
    *) echo "'$1' answered '$answer'" >&2; exit 1 ;;
    esac
}
