#!/usr/bin/env bash
# Regenerates fixtures/: test CAs, user certificates, their keys in the TrustedQSL
# stand-in's format, a [cert] snippet per certificate and a few ready stores.
# Every run makes new keys; run it only to change the fixtures, then commit them.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
fixtures=$here/fixtures
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

days=7300             # twenty years
kdf_iterations=10000  # the stand-in decrypts with this count

rm -rf "$fixtures"
mkdir -p "$fixtures/ca" "$fixtures/stores"

cat >"$work/openssl.cnf" <<'EOF'
# Gives the call sign attribute a name, so -subj accepts it.
oid_section = oids
[oids]
callSign = 1.3.6.1.4.1.12348.1.1
[req]
distinguished_name = dn
[dn]
[ca_ext]
basicConstraints = critical,CA:true
keyUsage = critical,keyCertSign,cRLSign
subjectKeyIdentifier = hash
[user_ext]
basicConstraints = critical,CA:false
keyUsage = critical,digitalSignature
authorityKeyIdentifier = keyid
EOF

make_ca() { # name subject
    openssl req -config "$work/openssl.cnf" -x509 -newkey rsa:2048 -nodes -sha256 \
        -days $days -subj "$2" -extensions ca_ext \
        -keyout "$work/$1.key" -out "$fixtures/ca/$1.pem" 2>/dev/null
}

write_snippet() { # name
    local pem=$fixtures/$1.pem callsign issuer email serial
    callsign=$(openssl x509 -in "$pem" -noout -subject -nameopt sep_multiline,oid |
        sed -n 's/^ *1\.3\.6\.1\.4\.1\.12348\.1\.1=//p')
    issuer=$(openssl x509 -in "$pem" -noout -issuer -nameopt compat | sed 's/^issuer=//')
    email=$(openssl x509 -in "$pem" -noout -email)
    serial=$(openssl x509 -in "$pem" -noout -serial | sed 's/^serial=//')
    {
        echo "[cert]"
        echo "callsign = $callsign"
        echo "issuer = $issuer"
        if [ -n "$email" ]; then echo "email = $email"; fi
        echo "serial = $((16#$serial))"
        echo "cert = $1.pem"
        if [ -f "$fixtures/$1.key" ]; then echo "key = $1.key"; fi
    } >"$fixtures/$1.conf"
}

# name callsign ca bits serial email key, where key is clear, none or a password
make_user() {
    local name=$1 call=$2 ca=$3 bits=$4 serial=$5 email=$6 key=$7
    local subject="/callSign=$call/CN=$call"
    if [ -n "$email" ]; then subject+="/emailAddress=$email"; fi
    openssl genpkey -algorithm RSA -pkeyopt rsa_keygen_bits:"$bits" -out "$work/$name.key" 2>/dev/null
    openssl req -config "$work/openssl.cnf" -new -key "$work/$name.key" -subj "$subject" \
        -out "$work/$name.csr"
    openssl x509 -req -in "$work/$name.csr" -CA "$fixtures/ca/$ca.pem" -CAkey "$work/$ca.key" \
        -set_serial "$serial" -days $days -sha256 \
        -extfile "$work/openssl.cnf" -extensions user_ext -out "$fixtures/$name.pem" 2>/dev/null
    openssl rsa -in "$work/$name.key" -outform DER -traditional 2>/dev/null |
        python3 "$here/rsa_to_sexp.py" >"$work/$name.sexp"
    case $key in
    none) ;;
    clear) cp "$work/$name.sexp" "$fixtures/$name.key" ;;
    *)
        KEY_PASSWORD=$key openssl enc -aes-256-cbc -pbkdf2 -md sha256 -iter $kdf_iterations \
            -salt -pass env:KEY_PASSWORD -in "$work/$name.sexp" -out "$fixtures/$name.key"
        ;;
    esac
    write_snippet "$name"
}

make_store() { # name fixture...
    local dir=$fixtures/stores/$1 name
    shift
    mkdir -p "$dir"
    {
        echo "# Ready store; copy this folder as <install folder>/tqsl-store."
        for name in "$@"; do
            echo
            cat "$fixtures/$name.conf"
            cp "$fixtures/$name.pem" "$dir/"
            if [ -f "$fixtures/$name.key" ]; then cp "$fixtures/$name.key" "$dir/"; fi
        done
    } >"$dir/store.conf"
}

make_ca arrl "/C=US/O=American Radio Relay League/OU=Logbook of the World/CN=Logbook of the World Test CA"
make_ca other "/C=US/O=Example Amateur Society/CN=Example Test CA"
make_ca wrong-case "/C=US/O=AMERICAN RADIO RELAY LEAGUE/OU=Logbook of the World/CN=Wrong Case Test CA"
make_ca pipe "/C=US/O=American Radio Relay League/OU=Test|Pipe/CN=Pipe Test CA"

make_user K1ABC K1ABC arrl 2048 305419896 k1abc@example.org "s3cret pass"
make_user K1ABC-2 K1ABC arrl 1024 305419897 k1abc@example.org clear
make_user W1AW W1AW arrl 1024 4294967295 w1aw@example.org clear
make_user N0MAIL N0MAIL arrl 1024 0 "" clear
make_user N1NOKEY N1NOKEY arrl 1024 4660 n1nokey@example.org none
make_user DL1XYZ DL1XYZ other 2048 22136 dl1xyz@example.org clear
make_user KC9CASE KC9CASE wrong-case 1024 39612 kc9case@example.org clear
make_user AB1PIPE AB1PIPE pipe 1024 57005 ab1pipe@example.org clear

make_store demo K1ABC W1AW
make_store reversed W1AW K1ABC
make_store duplicates K1ABC K1ABC-2
make_store non-arrl DL1XYZ
make_store empty
make_store all K1ABC K1ABC-2 W1AW N0MAIL N1NOKEY DL1XYZ KC9CASE AB1PIPE
