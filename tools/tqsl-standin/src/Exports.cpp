#include "TqslExports.h"

#include "Base64.h"
#include "Call.h"
#include "CallLog.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#if defined(TQSL_STANDIN_COMPANION)
extern "C" __declspec(dllimport) const char* XML_ExpatVersion(void);
#endif

namespace {

constexpr char kInvalidArgument[] = "Invalid argument";
constexpr char kNotSigning[] = "Signing has not been started for this certificate";

std::string bufferTooSmall(std::size_t needed) {
    return "The buffer is too small: " + std::to_string(needed) + " bytes needed";
}

// Copies the text truncated and terminated; or, when the store asks for it, fills the
// whole buffer with the text padded by 'X' and no terminator.
int copyAttribute(Call& call, const char* attribute, const std::string CertEntry::*field, char* buf,
                  int size) {
    call.argument("size", std::to_string(size));
    const CertState* cert = call.cert();
    if (!cert)
        return call.result();
    if (!buf)
        return call.fail(kInvalidArgument);
    if (size < 1)
        return call.fail(bufferTooSmall(1));
    const std::string& text = cert->entry->*field;
    const auto capacity = static_cast<std::size_t>(size);
    if (call.store()->behaviour.isUnterminated(attribute)) {
        std::fill_n(buf, capacity, 'X');
        std::memcpy(buf, text.data(), std::min(text.size(), capacity));
    } else {
        const std::size_t length = std::min(text.size(), capacity - 1);
        std::memcpy(buf, text.data(), length);
        buf[length] = '\0';
    }
    return call.succeed();
}

// Asks once, with the buffer pre-filled with 0xAA so tests see what the callback wrote;
// no value when the callback cancels.
std::optional<std::string> askPassword(const CertState& cert, int bufferSize,
                                       tqsl_password_callback callback, void* user) {
    std::vector<char> buffer(static_cast<std::size_t>(bufferSize), static_cast<char>(0xAA));
    const int result = callback(buffer.data(), bufferSize, user);
    const std::string written(buffer.begin(), std::find(buffer.begin(), buffer.end(), '\0'));
    appendCallLine(
        Library::instance().logFile(),
        "password_callback " + cert.identity() + " size=" + std::to_string(bufferSize) + " => " +
            std::to_string(result) + " wrote=" +
            toHex(reinterpret_cast<const unsigned char*>(written.data()), written.size()));
    if (result != 0)
        return std::nullopt;
    return written;
}

} // namespace

extern "C" {

TQSL_EXPORT int TQSL_CALL tqsl_init(void) {
    Call call("tqsl_init");
#if defined(TQSL_STANDIN_STDCALL) || defined(TQSL_STANDIN_GENERATION2)
    call.argument("build", "generation2");
#else
    call.argument("build", "generation1");
#endif
    if (call.failedBySwitch("init_fail"))
        return call.result();
#if defined(TQSL_STANDIN_COMPANION)
    // The import that makes generation 1 need its companion.
    XML_ExpatVersion();
#endif
    return call.succeed();
}

TQSL_EXPORT int TQSL_CALL tqsl_selectCertificates(void*** list, int* count, const char* callsign,
                                                  int dxcc, const void*, const void*, int flags) {
    Call call("tqsl_selectCertificates");
    call.argument("callsign", callsign ? callsign : "null");
    call.argument("dxcc", std::to_string(dxcc));
    call.argument("flags", std::to_string(flags));
    if (call.failedBySwitch("select_fail"))
        return call.result();
    if (!list || !count)
        return call.fail(kInvalidArgument);
    std::vector<void*>& handles = Library::instance().handles();
    *list = handles.empty() ? nullptr : handles.data();
    *count = static_cast<int>(handles.size());
    call.output("count", std::to_string(*count));
    return call.succeed();
}

TQSL_EXPORT int TQSL_CALL tqsl_getCertificateCallSign(void* cert, char* buf, int size) {
    Call call("tqsl_getCertificateCallSign", cert);
    return copyAttribute(call, "callsign", &CertEntry::callsign, buf, size);
}

TQSL_EXPORT int TQSL_CALL tqsl_getCertificateEmailAddress(void* cert, char* buf, int size) {
    Call call("tqsl_getCertificateEmailAddress", cert);
    return copyAttribute(call, "email", &CertEntry::email, buf, size);
}

TQSL_EXPORT int TQSL_CALL tqsl_getCertificateIssuer(void* cert, char* buf, int size) {
    Call call("tqsl_getCertificateIssuer", cert);
    return copyAttribute(call, "issuer", &CertEntry::issuer, buf, size);
}

TQSL_EXPORT int TQSL_CALL tqsl_getCertificateSerial(void* cert, long* serial) {
    Call call("tqsl_getCertificateSerial", cert);
    const CertState* state = call.cert();
    if (!state)
        return call.result();
    if (!serial)
        return call.fail(kInvalidArgument);
    // A 32-bit long takes serials above LONG_MAX as their two's complement.
    *serial = static_cast<long>(state->entry->serial);
    call.output("serial", std::to_string(state->entry->serial));
    return call.succeed();
}

TQSL_EXPORT int TQSL_CALL tqsl_beginSigning(void* cert, char* password,
                                            tqsl_password_callback callback, void* user) {
    Call call("tqsl_beginSigning", cert);
    call.argument("password", password ? "given" : "null");
    call.argument("callback", callback ? "set" : "null");
    CertState* state = call.cert();
    if (!state || call.failedBySwitch("begin_fail"))
        return call.result();
    const CertEntry& entry = *state->entry;
    if (!entry.key)
        return call.fail("No private key found for this certificate");
    std::string secret;
    if (SigningKey::isEncrypted(*entry.key)) {
        if (password) {
            secret = password;
        } else if (callback) {
            const std::optional<std::string> answer =
                askPassword(*state, call.store()->behaviour.passwordBufferSize, callback, user);
            if (!answer)
                return call.fail("Password entry was cancelled");
            secret = *answer;
        } else {
            return call.fail("A password is needed for this certificate");
        }
    }
    try {
        state->signingKey = SigningKey::load(*entry.key, secret, entry.keyFile);
    } catch (const KeyError& error) {
        return call.fail(error.what());
    }
    return call.succeed();
}

TQSL_EXPORT int TQSL_CALL tqsl_checkSigningStatus(void* cert) {
    Call call("tqsl_checkSigningStatus", cert);
    const CertState* state = call.cert();
    if (!state || call.failedBySwitch("check_fail"))
        return call.result();
    if (!state->signingKey)
        return call.fail(kNotSigning);
    return call.succeed();
}

TQSL_EXPORT int TQSL_CALL tqsl_endSigning(void* cert) {
    Call call("tqsl_endSigning", cert);
    CertState* state = call.cert();
    if (!state)
        return call.result();
    state->signingKey.reset();
    return call.succeed();
}

TQSL_EXPORT int TQSL_CALL tqsl_signDataBlock(void* cert, const unsigned char* data, int len,
                                             unsigned char* sig, int* siglen) {
    Call call("tqsl_signDataBlock", cert);
    const bool dataReadable = len >= 0 && (data || len == 0);
    call.argument("len", std::to_string(len));
    call.argument("data", dataReadable ? toHex(data, static_cast<std::size_t>(len)) : "?");
    call.argument("capacity", siglen ? std::to_string(*siglen) : "null");
    const CertState* state = call.cert();
    if (!state || call.failedBySwitch("sign_fail"))
        return call.result();
    if (!state->signingKey)
        return call.fail(kNotSigning);
    if (!dataReadable || !sig || !siglen)
        return call.fail(kInvalidArgument);
    const int needed = state->signingKey->signatureSize();
    if (*siglen < needed)
        return call.fail(bufferTooSmall(static_cast<std::size_t>(needed)));
    std::vector<unsigned char> signature;
    try {
        signature = state->signingKey->sign(data, static_cast<std::size_t>(len));
    } catch (const KeyError& error) {
        return call.fail(error.what());
    }
    std::copy(signature.begin(), signature.end(), sig);
    *siglen = static_cast<int>(signature.size());
    call.output("siglen", std::to_string(*siglen));
    return call.succeed();
}

TQSL_EXPORT int TQSL_CALL tqsl_getMaxSignatureSize(void* cert, int* size) {
    Call call("tqsl_getMaxSignatureSize", cert);
    const CertState* state = call.cert();
    if (!state || call.failedBySwitch("maxsize_fail"))
        return call.result();
    if (!state->signingKey)
        return call.fail(kNotSigning);
    if (!size)
        return call.fail(kInvalidArgument);
    *size = state->signingKey->signatureSize();
    call.output("size", std::to_string(*size));
    return call.succeed();
}

TQSL_EXPORT const char* TQSL_CALL tqsl_getErrorString(void) {
    Call call("tqsl_getErrorString");
    const ErrorText& text = Library::instance().lastError;
    call.logResult(text ? "\"" + *text + "\"" : "null");
    return text ? text->c_str() : nullptr;
}

#if !defined(TQSL_STANDIN_LACKING)
TQSL_EXPORT int TQSL_CALL tqsl_encodeBase64(const unsigned char* data, int len, char* out,
                                            int outlen) {
    Call call("tqsl_encodeBase64");
    call.argument("len", std::to_string(len));
    call.argument("outlen", std::to_string(outlen));
    if (call.failedBySwitch("base64_fail"))
        return call.result();
    if (len < 0 || (!data && len > 0) || !out)
        return call.fail(kInvalidArgument);
    const std::string text = encodeBase64Lines(data, static_cast<std::size_t>(len));
    if (outlen < 0 || text.size() + 1 > static_cast<std::size_t>(outlen))
        return call.fail(bufferTooSmall(text.size() + 1));
    std::memcpy(out, text.c_str(), text.size() + 1);
    return call.succeed();
}
#endif

TQSL_EXPORT int TQSL_CALL tqsl_getCertificateEncoded(void* cert, char* buf, int size) {
    Call call("tqsl_getCertificateEncoded", cert);
    call.argument("size", std::to_string(size));
    const CertState* state = call.cert();
    if (!state || call.failedBySwitch("encoded_fail"))
        return call.result();
    if (!buf)
        return call.fail(kInvalidArgument);
    const std::string& pem = state->entry->pem;
    if (size < 0 || pem.size() + 1 > static_cast<std::size_t>(size))
        return call.fail(bufferTooSmall(pem.size() + 1));
    std::memcpy(buf, pem.c_str(), pem.size() + 1);
    return call.succeed();
}
}
