// The stand-in's entry points as a table of function pointers resolved by name, in the
// calling convention a loader assumes.
#pragma once

#if defined(_WIN32)
#define TQSL_TEST_CDECL __cdecl
#else
#define TQSL_TEST_CDECL
#endif

// Caller clean-up in both generations.
using PasswordCallback = int(TQSL_TEST_CDECL*)(char* buf, int size, void* user);

// X(convention, name without "tqsl_", result type, parameter list)
#define TQSL_FUNCTION_LIST(X, CALL)                                                                \
    X(CALL, init, int, (void))                                                                     \
    X(CALL, selectCertificates, int,                                                               \
      (void***, int*, const char*, int, const void*, const void*, int))                            \
    X(CALL, getCertificateCallSign, int, (void*, char*, int))                                      \
    X(CALL, getCertificateEmailAddress, int, (void*, char*, int))                                  \
    X(CALL, getCertificateSerial, int, (void*, long*))                                             \
    X(CALL, getCertificateIssuer, int, (void*, char*, int))                                        \
    X(CALL, beginSigning, int, (void*, char*, PasswordCallback, void*))                            \
    X(CALL, checkSigningStatus, int, (void*))                                                      \
    X(CALL, endSigning, int, (void*))                                                              \
    X(CALL, signDataBlock, int, (void*, const unsigned char*, int, unsigned char*, int*))          \
    X(CALL, getMaxSignatureSize, int, (void*, int*))                                               \
    X(CALL, getErrorString, const char*, (void))                                                   \
    X(CALL, encodeBase64, int, (const unsigned char*, int, char*, int))                            \
    X(CALL, getCertificateEncoded, int, (void*, char*, int))

#define TQSL_FUNCTION_FIELD(CALL, name, result, parameters) result(CALL* name) parameters = nullptr;
#define TQSL_FUNCTION_LOOKUP(CALL, name, result, parameters)                                       \
    table.name = reinterpret_cast<decltype(table.name)>(lookup("tqsl_" #name));
#define TQSL_FUNCTION_NAME(CALL, name, result, parameters) "tqsl_" #name,

// Declares struct Name: one pointer per entry point, and Name::resolve(lookup), where
// lookup(const char* exportName) returns the address or null.
#define TQSL_FUNCTION_TABLE(Name, CALL)                                                            \
    struct Name {                                                                                  \
        TQSL_FUNCTION_LIST(TQSL_FUNCTION_FIELD, CALL)                                              \
        template <class Lookup> static Name resolve(Lookup lookup) {                               \
            Name table;                                                                            \
            TQSL_FUNCTION_LIST(TQSL_FUNCTION_LOOKUP, CALL)                                         \
            return table;                                                                          \
        }                                                                                          \
    };

inline const char* const kTqslFunctionNames[] = {TQSL_FUNCTION_LIST(TQSL_FUNCTION_NAME, )};
