#pragma once

#include <memory>
#include <optional>
#include <string>

#include <openssl/evp.h>

struct EvpPkeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
using PublicKey = std::unique_ptr<EVP_PKEY, EvpPkeyFree>;

// What an authentication record must repeat from the certificate, in the record's text
// form, plus the key that must have signed it.
struct CertificateIdentity {
    std::string callSign; // subject 1.3.6.1.4.1.12348.1.1, else the subject CN
    std::string issuer;   // X509_NAME_oneline of the issuer
    std::string serial;   // unsigned decimal of the serial's low 32 bits
    std::string email;    // subject emailAddress, empty when absent
    PublicKey publicKey;
};

// Nothing when the text holds no readable PEM certificate.
std::optional<CertificateIdentity> ReadCertificateIdentity(const std::string& pem);
