#!/bin/sh
# Makes a throw-away TrustedQSL certificate store that the real TrustedQSL
# library lists and signs with: point TQSLDIR at DIR. See README.md.
set -eu

usage() {
    echo "usage: $0 DIR CALL EMAIL PASSWORD [--without-key] [--serial N] [--wrong-password W]..." >&2
    exit 2
}

[ $# -ge 4 ] || usage
dir=$1 call=$2 email=$3
TQSL_STORE_PASSWORD=$4
export TQSL_STORE_PASSWORD
shift 4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

with_key=yes
serial=3735928559 # bit 31 set: catches serials read as signed 32-bit numbers
# Passwords that must fail as "bad decrypt". A cancelled prompt decrypts with
# the empty password.
: >"$work/wrong"
[ -z "$TQSL_STORE_PASSWORD" ] || echo >"$work/wrong"
while [ $# -gt 0 ]; do
    case $1 in
    --without-key) with_key= ;;
    --serial) [ $# -ge 2 ] || usage; serial=$2; shift ;;
    --wrong-password)
        [ $# -ge 2 ] || usage
        [ "$2" != "$TQSL_STORE_PASSWORD" ] || { echo "$0: the wrong password is the password" >&2; exit 2; }
        printf '%s\n' "$2" >>"$work/wrong"
        shift
        ;;
    *) usage ;;
    esac
    shift
done
case $call in '' | *[!A-Za-z0-9/]*) echo "$0: bad call sign: $call" >&2; exit 2 ;; esac
case $serial in '' | *[!0-9]*) echo "$0: bad serial: $serial" >&2; exit 2 ;; esac

# Runs a command quietly; shows its output only when it fails.
run() {
    if ! "$@" >"$work/log" 2>&1; then
        echo "$0: failed: $*" >&2
        cat "$work/log" >&2
        exit 1
    fi
}

# Escapes a value for openssl's -subj.
subj_value() {
    printf '%s' "$1" | sed 's/[\\/+]/\\&/g'
}

cat >"$work/openssl.cnf" <<'CNF'
# Gives the call sign attribute a name, so -subj and the policy accept it.
oid_section = oids
[oids]
callSign = 1.3.6.1.4.1.12348.1.1
[req]
distinguished_name = dn
[dn]
[ca]
default_ca = throwaway
[throwaway]
database = index.txt
serial = serial
new_certs_dir = .
default_md = sha256
policy = policy
unique_subject = no
preserve = yes
[policy]
callSign = supplied
emailAddress = optional
CNF

# Valid since yesterday, so no clock or time zone makes it "not yet valid".
dates=$(python3 -c '
import datetime as d
now = d.datetime.now(d.timezone.utc)
f = "%Y%m%d%H%M%SZ"
print((now - d.timedelta(days=1)).strftime(f), (now + d.timedelta(days=5 * 365)).strftime(f))')
start=${dates% *} end=${dates#* }

subject="/callSign=$(subj_value "$call")"
[ -z "$email" ] || subject="$subject/emailAddress=$(subj_value "$email")"

(
    cd "$work"
    : >index.txt
    hex=$(printf '%X' "$serial")
    [ $((${#hex} % 2)) -eq 0 ] || hex=0$hex # openssl wants whole bytes
    echo "$hex" >serial

    run openssl req -config openssl.cnf -x509 -newkey rsa:2048 -nodes -sha256 -days 3650 \
        -subj "/C=US/O=American Radio Relay League/OU=Logbook of the World/CN=Ovaldi Throwaway Test CA" \
        -keyout ca.key -out ca.pem
    # PKCS#8 with AES-256-CBC; the library takes traditional encrypted PEM too.
    run openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:2048 \
        -aes-256-cbc -pass env:TQSL_STORE_PASSWORD -out key.pem
    run openssl req -config openssl.cnf -new -key key.pem -passin env:TQSL_STORE_PASSWORD \
        -subj "$subject" -out user.csr
    run openssl ca -config openssl.cnf -batch -notext -preserveDN -cert ca.pem -keyfile ca.key \
        -startdate "$start" -enddate "$end" -in user.csr -out user.pem
    run openssl pkey -in key.pem -passin env:TQSL_STORE_PASSWORD -pubout -out public.pem

    # A wrong password normally fails the padding check ("bad decrypt"), but
    # about one in 300 decrypts to valid padding and fails later with another
    # error. Re-encrypt with a new salt until each wrong password fails plainly.
    all_bad_decrypts() {
        while IFS= read -r TQSL_STORE_WRONG; do
            export TQSL_STORE_WRONG
            ! openssl pkey -in key.pem -passin env:TQSL_STORE_WRONG -noout >log 2>&1 || return 1
            grep -q 'bad decrypt' log || return 1
        done <wrong
    }
    tries=0
    until all_bad_decrypts; do
        tries=$((tries + 1))
        [ $tries -lt 20 ] || { echo "$0: a wrong password keeps decrypting to valid padding" >&2; exit 1; }
        run openssl pkcs8 -topk8 -v2 aes-256-cbc -in key.pem -passin env:TQSL_STORE_PASSWORD \
            -passout env:TQSL_STORE_PASSWORD -out key2.pem
        mv key2.pem key.pem
    done
)

mkdir -p "$dir/certs" "$dir/keys" "$dir/pem"
chmod 700 "$dir/keys"
cp "$work/user.pem" "$dir/certs/user"
cp "$work/ca.pem" "$work/user.pem" "$work/public.pem" "$dir/pem/"

# The library looks for the key under the call sign, '/' written as '_'.
keyfile=$dir/keys/$(printf '%s' "$call" | tr / _)
if [ -n "$with_key" ]; then
    {
        printf '<PUBLIC_KEY:%d>' $(($(wc -c <"$work/public.pem")))
        cat "$work/public.pem"
        printf '<PRIVATE_KEY:%d>' $(($(wc -c <"$work/key.pem")))
        cat "$work/key.pem"
        printf '<eor>\n'
    } >"$keyfile"
else
    rm -f "$keyfile"
fi
