// The TrustedQSL entry points the stand-in offers. Generation 1 exports them with
// __cdecl, generation 2 with __stdcall; both under undecorated names.
#pragma once

#if defined(_WIN32)
#define TQSL_EXPORT __declspec(dllexport)
#define TQSL_CDECL __cdecl
#if defined(TQSL_STANDIN_STDCALL)
#define TQSL_CALL __stdcall
#else
#define TQSL_CALL __cdecl
#endif
#else
#define TQSL_EXPORT __attribute__((visibility("default")))
#define TQSL_CDECL
#define TQSL_CALL
#endif

extern "C" {

// Caller clean-up in both generations.
typedef int(TQSL_CDECL* tqsl_password_callback)(char* buf, int size, void* user);

TQSL_EXPORT int TQSL_CALL tqsl_init(void);
TQSL_EXPORT int TQSL_CALL tqsl_selectCertificates(void*** list, int* count, const char* callsign,
                                                  int dxcc, const void* date, const void* issuer,
                                                  int flags);
TQSL_EXPORT int TQSL_CALL tqsl_getCertificateCallSign(void* cert, char* buf, int size);
TQSL_EXPORT int TQSL_CALL tqsl_getCertificateEmailAddress(void* cert, char* buf, int size);
TQSL_EXPORT int TQSL_CALL tqsl_getCertificateSerial(void* cert, long* serial);
TQSL_EXPORT int TQSL_CALL tqsl_getCertificateIssuer(void* cert, char* buf, int size);
TQSL_EXPORT int TQSL_CALL tqsl_beginSigning(void* cert, char* password,
                                            tqsl_password_callback callback, void* user);
TQSL_EXPORT int TQSL_CALL tqsl_checkSigningStatus(void* cert);
TQSL_EXPORT int TQSL_CALL tqsl_endSigning(void* cert);
TQSL_EXPORT int TQSL_CALL tqsl_signDataBlock(void* cert, const unsigned char* data, int len,
                                             unsigned char* sig, int* siglen);
TQSL_EXPORT int TQSL_CALL tqsl_getMaxSignatureSize(void* cert, int* size);
TQSL_EXPORT const char* TQSL_CALL tqsl_getErrorString(void);
#if !defined(TQSL_STANDIN_LACKING)
TQSL_EXPORT int TQSL_CALL tqsl_encodeBase64(const unsigned char* data, int len, char* out,
                                            int outlen);
#endif
TQSL_EXPORT int TQSL_CALL tqsl_getCertificateEncoded(void* cert, char* buf, int size);
}
