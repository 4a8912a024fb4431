#!/usr/bin/env python3
"""Reads an RSA private key as PKCS#1 DER on stdin and prints it as the libgcrypt
S-expression that the TrustedQSL stand-in loads."""
import sys


def read_tlv(data, pos):
    tag, length = data[pos], data[pos + 1]
    pos += 2
    if length & 0x80:
        count = length & 0x7F
        length = int.from_bytes(data[pos:pos + count], "big")
        pos += count
    return tag, data[pos:pos + length], pos + length


def integers(der):
    tag, body, _ = read_tlv(der, 0)
    if tag != 0x30:
        sys.exit("not a PKCS#1 RSAPrivateKey")
    pos = 0
    while pos < len(body):
        tag, value, pos = read_tlv(body, pos)
        if tag != 0x02:
            sys.exit("not a PKCS#1 RSAPrivateKey")
        yield int.from_bytes(value, "big")


def hex_mpi(value):
    text = format(value, "X")
    if len(text) % 2:
        text = "0" + text
    # A leading zero byte keeps the number positive however it is read.
    if int(text[0], 16) >= 8:
        text = "00" + text
    return text


_, n, e, d, p, q, *_ = integers(sys.stdin.buffer.read())
# libgcrypt wants p < q and u = p^-1 mod q (OpenSSL stores q^-1 mod p).
p, q = sorted((p, q))
parts = {"n": n, "e": e, "d": d, "p": p, "q": q, "u": pow(p, -1, q)}
print("(private-key (rsa " + " ".join(f"({k} #{hex_mpi(v)}#)" for k, v in parts.items()) + "))")
