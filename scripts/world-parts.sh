# Sourced by wizard-world.sh and linux-world.sh: what a demo or benchmark world
# holds on either platform.

# world_store INSTALL CERT...: a stand-in store of the test certificates.
world_store() {
    local store=$1/tqsl-store cert
    local fixtures
    fixtures=$(dirname "${BASH_SOURCE[0]}")/../tools/test-certs/fixtures
    shift
    mkdir -p "$store"
    echo "[behaviour]" >"$store/store.conf"
    for cert in "$@"; do
        cat "$fixtures/$cert.conf" >>"$store/store.conf"
        cp "$fixtures/$cert.pem" "$fixtures/$cert.key" "$store/"
    done
}

# world_server FOLDER SERVER: starts the validation server, logging to
# FOLDER/server, and stops it on exit; sets server_port.
world_server() {
    "$2" --log-dir "$1/server" >"$1/server.out" 2>&1 &
    server=$!
    trap 'kill $server 2>/dev/null || true' EXIT
    for _ in $(seq 50); do grep -q listening "$1/server.out" 2>/dev/null && break; sleep 0.1; done
    server_port=$(sed -n 's/^listening on 127.0.0.1://p' "$1/server.out")
}
