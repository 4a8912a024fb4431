#include "OpenSslCheck.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

#include <cstdio>
#include <memory>

namespace {
template <auto release> struct Releaser {
    template <class T> void operator()(T* object) const { release(object); }
};
template <class T, auto release> using Owned = std::unique_ptr<T, Releaser<release>>;
} // namespace

bool verifiesWithCertificate(const std::filesystem::path& certificatePem, const std::string& data,
                             const std::vector<unsigned char>& signature) {
    const Owned<BIO, BIO_free_all> file(BIO_new_file(certificatePem.c_str(), "r"));
    const Owned<X509, X509_free> cert(
        file ? PEM_read_bio_X509(file.get(), nullptr, nullptr, nullptr) : nullptr);
    const Owned<EVP_PKEY, EVP_PKEY_free> key(cert ? X509_get_pubkey(cert.get()) : nullptr);
    const Owned<EVP_MD_CTX, EVP_MD_CTX_free> context(EVP_MD_CTX_new());
    return key && context &&
           EVP_DigestVerifyInit(context.get(), nullptr, EVP_sha1(), nullptr, key.get()) == 1 &&
           EVP_DigestVerify(context.get(), signature.data(), signature.size(),
                            reinterpret_cast<const unsigned char*>(data.data()), data.size()) == 1;
}

std::string base64WithOpenSsl(const std::string& data) {
    std::string encoded(4 * ((data.size() + 2) / 3) + 1, '\0');
    const int length = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(encoded.data()),
                                       reinterpret_cast<const unsigned char*>(data.data()),
                                       static_cast<int>(data.size()));
    encoded.resize(static_cast<std::size_t>(length));
    return encoded;
}
