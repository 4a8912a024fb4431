#include "CertificateIdentity.h"

#include "OpenSslPtr.h"

#include <cstdint>
#include <vector>

#include <openssl/asn1.h>
#include <openssl/bn.h>
#include <openssl/objects.h>
#include <openssl/pem.h>
#include <openssl/x509.h>

namespace {

constexpr char kCallSignOid[] = "1.3.6.1.4.1.12348.1.1";

using Bio = OpenSslPtr<BIO, BIO_free_all>;
using X509Ptr = OpenSslPtr<X509, X509_free>;
using Asn1Object = OpenSslPtr<ASN1_OBJECT, ASN1_OBJECT_free>;
using BigNum = OpenSslPtr<BIGNUM, BN_free>;

std::optional<std::string> EntryText(const X509_NAME* name, int index) {
    if (index < 0)
        return std::nullopt;
    const ASN1_STRING* data = X509_NAME_ENTRY_get_data(X509_NAME_get_entry(name, index));
    unsigned char* utf8 = nullptr;
    const int length = ASN1_STRING_to_UTF8(&utf8, data);
    if (length < 0)
        return std::nullopt;
    std::string text(reinterpret_cast<char*>(utf8), static_cast<std::size_t>(length));
    OPENSSL_free(utf8);
    return text;
}

std::string CallSign(const X509_NAME* subject) {
    const Asn1Object oid(OBJ_txt2obj(kCallSignOid, 1));
    if (auto sign = EntryText(subject, X509_NAME_get_index_by_OBJ(subject, oid.get(), -1)))
        return *sign;
    return EntryText(subject, X509_NAME_get_index_by_NID(subject, NID_commonName, -1)).value_or("");
}

std::string OneLine(const X509_NAME* name) {
    char* text = X509_NAME_oneline(name, nullptr, 0);
    std::string result = text ? text : "";
    OPENSSL_free(text);
    return result;
}

// The client keeps the serial in a 32-bit unsigned integer, so only the low 32 bits of
// the two's complement value survive.
std::string Serial32(const ASN1_INTEGER* serial) {
    const BigNum number(ASN1_INTEGER_to_BN(serial, nullptr));
    if (!number)
        return "";
    std::vector<unsigned char> magnitude(static_cast<std::size_t>(BN_num_bytes(number.get())));
    BN_bn2bin(number.get(), magnitude.data());
    std::uint32_t low = 0;
    const std::size_t lowBytes = magnitude.size() < 4 ? magnitude.size() : 4;
    for (std::size_t i = magnitude.size() - lowBytes; i < magnitude.size(); ++i)
        low = (low << 8) | magnitude[i];
    if (BN_is_negative(number.get()))
        low = 0u - low;
    return std::to_string(low);
}

} // namespace

std::optional<CertificateIdentity> ReadCertificateIdentity(const std::string& pem) {
    const Bio bio(BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size())));
    const X509Ptr cert(PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr));
    if (!cert)
        return std::nullopt;
    const X509_NAME* subject = X509_get_subject_name(cert.get());
    CertificateIdentity identity;
    identity.callSign = CallSign(subject);
    identity.issuer = OneLine(X509_get_issuer_name(cert.get()));
    identity.serial = Serial32(X509_get0_serialNumber(cert.get()));
    identity.email =
        EntryText(subject, X509_NAME_get_index_by_NID(subject, NID_pkcs9_emailAddress, -1))
            .value_or("");
    identity.publicKey.reset(X509_get_pubkey(cert.get()));
    if (!identity.publicKey)
        return std::nullopt;
    return identity;
}
