#pragma once

// The fourteen TrustedQSL functions the program calls, in the order they are
// resolved. X(result, name, parameters, arguments).
#define TQSL_FUNCTIONS(X)                                                                          \
    X(int, tqsl_init, (), ())                                                                      \
    X(int, tqsl_selectCertificates,                                                                \
      (void*** list, int* count, const char* callsign, int dxcc, const void* date,                 \
       const void* issuer, int flags),                                                             \
      (list, count, callsign, dxcc, date, issuer, flags))                                          \
    X(int, tqsl_getCertificateCallSign, (void* cert, char* buf, int size), (cert, buf, size))      \
    X(int, tqsl_getCertificateEmailAddress, (void* cert, char* buf, int size), (cert, buf, size))  \
    X(int, tqsl_getCertificateSerial, (void* cert, long* serial), (cert, serial))                  \
    X(int, tqsl_getCertificateIssuer, (void* cert, char* buf, int size), (cert, buf, size))        \
    X(int, tqsl_beginSigning, (void* cert, char* password, TqslPasswordCallback cb, void* user),   \
      (cert, password, cb, user))                                                                  \
    X(int, tqsl_checkSigningStatus, (void* cert), (cert))                                          \
    X(int, tqsl_endSigning, (void* cert), (cert))                                                  \
    X(int, tqsl_signDataBlock,                                                                     \
      (void* cert, const unsigned char* data, int len, unsigned char* sig, int* siglen),           \
      (cert, data, len, sig, siglen))                                                              \
    X(int, tqsl_getMaxSignatureSize, (void* cert, int* size), (cert, size))                        \
    X(const char*, tqsl_getErrorString, (), ())                                                    \
    X(int, tqsl_encodeBase64, (const unsigned char* data, int len, char* out, int outlen),         \
      (data, len, out, outlen))                                                                    \
    X(int, tqsl_getCertificateEncoded, (void* cert, char* buf, int size), (cert, buf, size))

#ifdef _WIN32
#define TQSL_CALLER_CLEANUP __cdecl
#define TQSL_CALLEE_CLEANUP __stdcall
#else
#define TQSL_CALLER_CLEANUP
#define TQSL_CALLEE_CLEANUP
#endif

// The library calls back with caller clean-up in both generations.
typedef int(TQSL_CALLER_CLEANUP* TqslPasswordCallback)(char* buf, int size, void* user);

// Generation 1 (tqsllib.dll) is called with caller clean-up, generation 2
// (tqsllib2.dll) with callee clean-up.
#define TQSL_ENTRY(result, name, params, args) result(TQSL_CALLER_CLEANUP* name) params;
struct TqslEntriesGen1 {
    TQSL_FUNCTIONS(TQSL_ENTRY)
};
#undef TQSL_ENTRY
#define TQSL_ENTRY(result, name, params, args) result(TQSL_CALLEE_CLEANUP* name) params;
struct TqslEntriesGen2 {
    TQSL_FUNCTIONS(TQSL_ENTRY)
};
#undef TQSL_ENTRY
