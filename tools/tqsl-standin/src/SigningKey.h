// An RSA private key in the stand-in's key format, ready to sign TrustedQSL-style.
#pragma once
#include <gcrypt.h>

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

// Carries the text the failing TrustedQSL call reports.
struct KeyError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct SexpRelease {
    void operator()(gcry_sexp_t sexp) const { gcry_sexp_release(sexp); }
};
using Sexp = std::unique_ptr<gcry_sexp, SexpRelease>;

class SigningKey {
  public:
    // An encrypted key file is openssl enc output: "Salted__", salt, AES-256-CBC ciphertext.
    static bool isEncrypted(const std::string& keyFile);
    // The password is ignored for a clear key. Throws KeyError.
    static SigningKey load(const std::string& keyFile, const std::string& password,
                           const std::string& keyFileName);

    // The modulus length in bytes.
    int signatureSize() const;
    // RSA PKCS#1 v1.5 over the SHA-1 of the data, as long as the modulus. Throws KeyError.
    std::vector<unsigned char> sign(const unsigned char* data, std::size_t size) const;

  private:
    explicit SigningKey(Sexp key) : key_(std::move(key)) {}

    Sexp key_;
};
