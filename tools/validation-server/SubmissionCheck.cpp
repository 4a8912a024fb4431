#include "SubmissionCheck.h"

#include "CertificateIdentity.h"
#include "OpenSslPtr.h"

#include <optional>
#include <string_view>

#include <openssl/err.h>
#include <openssl/evp.h>

namespace {

struct Record {
    std::string callSign, issuer, serial, email;
};

// The issuer may itself contain '|', so only the outer separators are fixed.
std::optional<Record> SplitRecord(std::string_view text) {
    const auto first = text.find('|');
    const auto last = text.rfind('|');
    if (first == std::string_view::npos || first == last)
        return std::nullopt;
    const auto beforeLast = text.rfind('|', last - 1);
    if (beforeLast == first)
        return std::nullopt;
    return Record{std::string(text.substr(0, first)),
                  std::string(text.substr(first + 1, beforeLast - first - 1)),
                  std::string(text.substr(beforeLast + 1, last - beforeLast - 1)),
                  std::string(text.substr(last + 1))};
}

std::optional<std::string> DecodeBase64(const std::string& text) {
    const OpenSslPtr<EVP_ENCODE_CTX, EVP_ENCODE_CTX_free> ctx(EVP_ENCODE_CTX_new());
    std::string out(text.size() / 4 * 3 + 3, '\0');
    auto* bytes = reinterpret_cast<unsigned char*>(&out[0]);
    int written = 0, tail = 0;
    EVP_DecodeInit(ctx.get());
    if (EVP_DecodeUpdate(ctx.get(), bytes, &written,
                         reinterpret_cast<const unsigned char*>(text.data()),
                         static_cast<int>(text.size())) < 0 ||
        EVP_DecodeFinal(ctx.get(), bytes + written, &tail) < 0)
        return std::nullopt;
    out.resize(static_cast<std::size_t>(written + tail));
    return out;
}

bool VerifiesWithSha1(EVP_PKEY* key, const std::string& message, const std::string& signature) {
    const OpenSslPtr<EVP_MD_CTX, EVP_MD_CTX_free> ctx(EVP_MD_CTX_new());
    return EVP_DigestVerifyInit(ctx.get(), nullptr, EVP_sha1(), nullptr, key) == 1 &&
           EVP_DigestVerify(ctx.get(), reinterpret_cast<const unsigned char*>(signature.data()),
                            signature.size(),
                            reinterpret_cast<const unsigned char*>(message.data()),
                            message.size()) == 1;
}

CheckResult Check(const SignedSubmission& submission) {
    const auto identity = ReadCertificateIdentity(submission.certificatePem);
    if (!identity)
        return {false, "certificate does not load"};
    const auto record = SplitRecord(submission.record);
    if (!record)
        return {false, "record is not call|issuer|serial|e-mail"};
    if (record->callSign != identity->callSign)
        return {false, "call sign differs"};
    if (record->issuer != identity->issuer)
        return {false, "issuer differs"};
    if (record->serial != identity->serial)
        return {false, "serial differs"};
    if (record->email != identity->email)
        return {false, "e-mail differs"};
    const auto signature = DecodeBase64(submission.signatureBase64);
    if (!signature)
        return {false, "signature is not Base64"};
    if (!VerifiesWithSha1(identity->publicKey.get(), submission.record, *signature))
        return {false, "signature does not verify"};
    return {true, "accepted"};
}

} // namespace

CheckResult CheckSubmission(const SignedSubmission& submission) {
    CheckResult result = Check(submission);
    // OpenSSL queues an error for every failed parse; drop them so they do not pile up
    // or leak into the next connection's diagnostics.
    ERR_clear_error();
    return result;
}
