#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <openssl/evp.h>

struct NameEntry {
    std::string field; // short name or dotted OID, e.g. "CN", "emailAddress"
    std::string value;
};

struct IdentitySpec {
    std::vector<NameEntry> issuer; // subject of the in-test CA
    std::vector<NameEntry> subject;
    std::uint64_t serial;
};

// A fresh RSA-1024 certificate issued by a fresh in-test CA, with the certificate's key.
class TestIdentity {
  public:
    explicit TestIdentity(const IdentitySpec& spec);

    const std::string& certificatePem() const { return pem_; }
    // RSA PKCS#1 v1.5 over SHA-1, as Base64 in lines of 64 characters each ending "\n".
    std::string sign(const std::string& record) const;

  private:
    std::shared_ptr<EVP_PKEY> key_;
    std::string pem_;
};
