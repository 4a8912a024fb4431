#include "TestIdentity.h"

#include "../OpenSslPtr.h"

#include <stdexcept>

#include <openssl/pem.h>
#include <openssl/x509.h>

namespace {

using X509Ptr = OpenSslPtr<X509, X509_free>;
using X509NamePtr = OpenSslPtr<X509_NAME, X509_NAME_free>;
using Bio = OpenSslPtr<BIO, BIO_free_all>;
using MdCtx = OpenSslPtr<EVP_MD_CTX, EVP_MD_CTX_free>;

void Require(bool ok, const char* what) {
    if (!ok)
        throw std::runtime_error(what);
}

std::shared_ptr<EVP_PKEY> NewRsaKey() {
    std::shared_ptr<EVP_PKEY> key(EVP_RSA_gen(1024), EVP_PKEY_free);
    Require(key != nullptr, "RSA key generation failed");
    return key;
}

X509NamePtr MakeName(const std::vector<NameEntry>& entries) {
    X509NamePtr name(X509_NAME_new());
    for (const auto& entry : entries)
        Require(X509_NAME_add_entry_by_txt(
                    name.get(), entry.field.c_str(), MBSTRING_UTF8,
                    reinterpret_cast<const unsigned char*>(entry.value.c_str()), -1, -1, 0) == 1,
                "bad name entry");
    return name;
}

X509Ptr MakeCertificate(const X509_NAME* subject, const X509_NAME* issuer, std::uint64_t serial,
                        EVP_PKEY* subjectKey, EVP_PKEY* issuerKey) {
    X509Ptr cert(X509_new());
    Require(X509_set_version(cert.get(), 2) == 1 &&
                ASN1_INTEGER_set_uint64(X509_get_serialNumber(cert.get()), serial) == 1 &&
                X509_set_subject_name(cert.get(), subject) == 1 &&
                X509_set_issuer_name(cert.get(), issuer) == 1 &&
                X509_gmtime_adj(X509_getm_notBefore(cert.get()), 0) &&
                X509_gmtime_adj(X509_getm_notAfter(cert.get()), 24 * 60 * 60) &&
                X509_set_pubkey(cert.get(), subjectKey) == 1 &&
                X509_sign(cert.get(), issuerKey, EVP_sha256()) > 0,
            "certificate creation failed");
    return cert;
}

std::string ToPem(X509* cert) {
    Bio bio(BIO_new(BIO_s_mem()));
    Require(PEM_write_bio_X509(bio.get(), cert) == 1, "PEM output failed");
    char* data = nullptr;
    const long length = BIO_get_mem_data(bio.get(), &data);
    return std::string(data, static_cast<std::size_t>(length));
}

std::string Base64Lines(const std::string& bytes) {
    std::string flat(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    const int length = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(&flat[0]),
                                       reinterpret_cast<const unsigned char*>(bytes.data()),
                                       static_cast<int>(bytes.size()));
    flat.resize(static_cast<std::size_t>(length));
    std::string lines;
    for (std::size_t i = 0; i < flat.size(); i += 64)
        lines += flat.substr(i, 64) + "\n";
    return lines;
}

} // namespace

TestIdentity::TestIdentity(const IdentitySpec& spec) : key_(NewRsaKey()) {
    const auto caKey = NewRsaKey();
    const X509NamePtr caName = MakeName(spec.issuer);
    const X509NamePtr subject = MakeName(spec.subject);
    const X509Ptr cert =
        MakeCertificate(subject.get(), caName.get(), spec.serial, key_.get(), caKey.get());
    pem_ = ToPem(cert.get());
}

std::string TestIdentity::sign(const std::string& record) const {
    MdCtx ctx(EVP_MD_CTX_new());
    std::size_t length = 0;
    const auto* message = reinterpret_cast<const unsigned char*>(record.data());
    Require(EVP_DigestSignInit(ctx.get(), nullptr, EVP_sha1(), nullptr, key_.get()) == 1 &&
                EVP_DigestSign(ctx.get(), nullptr, &length, message, record.size()) == 1,
            "signing failed");
    std::string signature(length, '\0');
    Require(EVP_DigestSign(ctx.get(), reinterpret_cast<unsigned char*>(&signature[0]), &length,
                           message, record.size()) == 1,
            "signing failed");
    signature.resize(length);
    return Base64Lines(signature);
}
