#include "CertificatePage.h"

#include "AuthRecord.h"
#include "Texts.h"

#include <climits>
#include <memory>
#include <new>

namespace {

template <class T> std::unique_ptr<T[]> ZeroedBlock(size_t count) {
    return std::unique_ptr<T[]>(new (std::nothrow) T[count]());
}

// Ends the signing phase that a successful tqsl_beginSigning opened, on every
// way out of the press.
class SigningPhase {
  public:
    SigningPhase(CTqslBinding& tqsl, void* cert) : m_tqsl(tqsl), m_cert(cert) {}
    SigningPhase(const SigningPhase&) = delete;
    SigningPhase& operator=(const SigningPhase&) = delete;
    ~SigningPhase() { m_tqsl.tqsl_endSigning(m_cert); }

  private:
    CTqslBinding& m_tqsl;
    void* m_cert;
};

} // namespace

CertificatePageLogic::CertificatePageLogic(CertificateListView& list, PageServices& services,
                                           TqslPasswordCallback passwordCallback)
    : m_list(list), m_services(services), m_passwordCallback(passwordCallback) {}

std::string CertificatePageLogic::LibraryError() {
    const char* text = m_tqsl.tqsl_getErrorString();
    return text ? text : "";
}

void CertificatePageLogic::Initialise() {
    m_list.RemoveAll();
    m_strReason = texts::kDefaultReason;
    m_tqsl.LoadTqslLibrary();
    bool listed = false;
    if (m_tqsl.Generation() != 0) {
        try {
            listed = FillList();
        } catch (const std::bad_alloc&) {
            m_strReason = texts::kOutOfMemory;
        }
    } else if (!m_tqsl.MissingFunction().empty()) {
        m_strReason = texts::kMissingFunctionPrefix + m_tqsl.LibraryPath() +
                      texts::kMissingFunctionSuffix + m_tqsl.MissingFunction() + ".";
    }
    m_list.Select(0);
    if (!listed)
        m_services.ShowMessage(m_strReason);
}

bool CertificatePageLogic::FillList() {
    if (m_tqsl.tqsl_init() != 0) {
        m_strReason = texts::kInitFailedPrefix + LibraryError();
        return false;
    }
    void** certs = nullptr;
    int count = 0;
    m_tqsl.tqsl_selectCertificates(&certs, &count, nullptr, 0, nullptr, nullptr, 0);
    bool listed = false;
    for (int i = 0; certs && i < count; ++i) {
        char callSign[128] = {};
        char issuer[1024] = {};
        m_tqsl.tqsl_getCertificateCallSign(certs[i], callSign, sizeof callSign);
        m_tqsl.tqsl_getCertificateIssuer(certs[i], issuer, sizeof issuer);
        if (BufferText(issuer, sizeof issuer).find(texts::kArrlIssuer) == std::string::npos)
            continue;
        const int index = m_list.Add(BufferText(callSign, sizeof callSign).c_str());
        m_list.SetHandle(index, certs[i]);
        listed = true;
    }
    if (!listed)
        m_strReason = texts::kNoCertificates;
    return listed;
}

bool CertificatePageLogic::OnNext() {
    bool advance = false;
    const int selected = m_list.Selected();
    if (selected >= 0) {
        try {
            advance = SignAndSubmit(m_list.Handle(selected));
        } catch (const std::bad_alloc&) {
            m_strReason = texts::kOutOfMemory;
        }
    }
    if (!advance)
        m_services.ShowMessage(texts::kRequestFailedPrefix + m_strReason);
    return advance;
}

bool CertificatePageLogic::SignAndSubmit(void* cert) {
    char callSign[128] = {};
    char email[128] = {};
    char issuer[1024] = {};
    long serial = 0;
    m_tqsl.tqsl_getCertificateEmailAddress(cert, email, sizeof email);
    m_tqsl.tqsl_getCertificateCallSign(cert, callSign, sizeof callSign);
    m_tqsl.tqsl_getCertificateIssuer(cert, issuer, sizeof issuer);
    m_tqsl.tqsl_getCertificateSerial(cert, &serial);
    const std::string record =
        BuildAuthRecord(BufferText(callSign, sizeof callSign), BufferText(issuer, sizeof issuer),
                        serial, BufferText(email, sizeof email));

    if (m_tqsl.tqsl_beginSigning(cert, nullptr, m_passwordCallback, nullptr) != 0) {
        m_strReason = LibraryError();
        return false;
    }
    const SigningPhase phase(m_tqsl, cert);
    int size = 0;
    if (m_tqsl.tqsl_checkSigningStatus(cert) != 0) {
        m_strReason = LibraryError();
        return false;
    }
    // The library writes a whole signature whatever size it is told, so without
    // a plausible size there is no safe buffer to sign into; the upper bound
    // keeps the Base64 capacity (four bytes a signature byte) within an int.
    if (m_tqsl.tqsl_getMaxSignatureSize(cert, &size) != 0 || size < 1 || size > (INT_MAX - 1) / 4) {
        const std::string error = LibraryError();
        m_strReason = error.empty() ? texts::kNoSignatureSize : error;
        return false;
    }
    const int maxSize = size;
    const std::unique_ptr<unsigned char[]> signature = ZeroedBlock<unsigned char>(maxSize + 1ULL);
    if (!signature) {
        m_strReason = texts::kOutOfMemory;
        return false;
    }
    if (m_tqsl.tqsl_signDataBlock(cert, reinterpret_cast<const unsigned char*>(record.data()),
                                  static_cast<int>(record.size()), signature.get(), &size) != 0) {
        m_strReason = LibraryError();
        return false;
    }
    if (size < 0 || size > maxSize) {
        m_strReason = texts::kNoSignatureSize;
        return false;
    }
    return SubmitSignature(cert, record, signature.get(), size);
}

bool CertificatePageLogic::SubmitSignature(void* cert, const std::string& record,
                                           const unsigned char* signature, int length) {
    const std::unique_ptr<char[]> base64 = ZeroedBlock<char>(4ULL * length + 1);
    // One byte more than offered, so the text ends in a zero whatever is written.
    const std::unique_ptr<char[]> certText = ZeroedBlock<char>(4096 + 1);
    if (!base64 || !certText) {
        m_strReason = texts::kOutOfMemory;
        return false;
    }
    // A request known to be broken is never sent.
    if (m_tqsl.tqsl_encodeBase64(signature, length, base64.get(), 4 * length) != 0 ||
        m_tqsl.tqsl_getCertificateEncoded(cert, certText.get(), 4096) != 0) {
        m_strReason = LibraryError();
        return false;
    }
    return m_services.SubmitSignedRequest(certText.get(), record.c_str(), base64.get(),
                                          m_strReason);
}
