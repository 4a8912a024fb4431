// The baseline for the Next action: the same library calls and one HTTP POST of
// the same form, in a minimal program with no window. Prints the milliseconds
// from the first attribute read to the server's answer.
#include "submit/FormEncoding.h"

#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <string>

namespace {

typedef int(__stdcall* Init)();
typedef int(__stdcall* Select)(void***, int*, const char*, int, const void*, const void*, int);
typedef int(__stdcall* Text)(void*, char*, int);
typedef int(__stdcall* Serial)(void*, long*);
typedef int(__stdcall* Begin)(void*, char*, int(__cdecl*)(char*, int, void*), void*);
typedef int(__stdcall* Cert)(void*);
typedef int(__stdcall* MaxSize)(void*, int*);
typedef int(__stdcall* Sign)(void*, const unsigned char*, int, unsigned char*, int*);
typedef int(__stdcall* Base64)(const unsigned char*, int, char*, int);

template <class F> F Get(HMODULE library, const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sign-and-post <install folder>\n");
        return 2;
    }
    HMODULE lib = LoadLibraryA((std::string(argv[1]) + "\\tqsllib2.dll").c_str());
    if (!lib)
        return 1;
    void** certs = nullptr;
    int count = 0;
    Get<Init>(lib, "tqsl_init")();
    Get<Select>(lib, "tqsl_selectCertificates")(&certs, &count, nullptr, 0, nullptr, nullptr, 0);
    if (count < 1)
        return 1;
    void* cert = certs[0];

    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    char call[128] = {}, issuer[1024] = {}, email[128] = {}, certText[4097] = {};
    long serial = 0;
    Get<Text>(lib, "tqsl_getCertificateEmailAddress")(cert, email, sizeof email);
    Get<Text>(lib, "tqsl_getCertificateCallSign")(cert, call, sizeof call);
    Get<Text>(lib, "tqsl_getCertificateIssuer")(cert, issuer, sizeof issuer);
    Get<Serial>(lib, "tqsl_getCertificateSerial")(cert, &serial);
    const std::string record = std::string(call) + "|" + issuer + "|" +
                               std::to_string(static_cast<unsigned long>(serial) & 0xFFFFFFFFul) +
                               "|" + email;
    Get<Begin>(lib, "tqsl_beginSigning")(cert, nullptr, nullptr, nullptr);
    Get<Cert>(lib, "tqsl_checkSigningStatus")(cert);
    int size = 0;
    Get<MaxSize>(lib, "tqsl_getMaxSignatureSize")(cert, &size);
    std::string signature(size + 1, '\0'), base64;
    Get<Sign>(lib, "tqsl_signDataBlock")(
        cert, reinterpret_cast<const unsigned char*>(record.data()), static_cast<int>(record.size()),
        reinterpret_cast<unsigned char*>(&signature[0]), &size);
    base64.assign(4 * size + 1, '\0');
    Get<Base64>(lib, "tqsl_encodeBase64")(reinterpret_cast<unsigned char*>(&signature[0]), size,
                                          &base64[0], 4 * size);
    Get<Text>(lib, "tqsl_getCertificateEncoded")(cert, certText, 4096);
    std::string body = BuildFormBody(certText, record.c_str(), base64.c_str());

    HINTERNET internet = InternetOpenA("sign-and-post", INTERNET_OPEN_TYPE_PRECONFIG, 0, 0, 0);
    HINTERNET connection = InternetConnectA(internet, "www.corvalen.org", 80, 0, 0,
                                            INTERNET_SERVICE_HTTP, 0, 0);
    HINTERNET request = HttpOpenRequestA(connection, "POST", "/validation/signed_request.jsp",
                                         "HTTP/1.0", 0, 0, INTERNET_FLAG_KEEP_CONNECTION, 0);
    static const char kType[] = "Content-Type: application/x-www-form-urlencoded";
    HttpSendRequestA(request, kType, sizeof kType - 1, &body[0], static_cast<DWORD>(body.size()));
    char status[32] = {};
    DWORD length = sizeof status - 1;
    HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE, status, &length, nullptr);
    InternetCloseHandle(request);
    InternetCloseHandle(connection);
    Get<Cert>(lib, "tqsl_endSigning")(cert);
    InternetCloseHandle(internet);
    QueryPerformanceCounter(&end);
    std::printf("%.1f %s\n", 1000.0 * (end.QuadPart - start.QuadPart) / frequency.QuadPart, status);
    return 0;
}
