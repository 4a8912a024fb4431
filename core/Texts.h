#pragma once

// Texts the user sees from the certificate page and its Next action.
namespace texts {

extern const char kDefaultReason[];
extern const char kNoCertificates[];
extern const char kInitFailedPrefix[];
extern const char kRequestFailedPrefix[];
extern const char kConnectionFailure[];
extern const char kMissingFunctionPrefix[];
extern const char kMissingFunctionSuffix[];
extern const char kNoSignatureSize[];
extern const char kOutOfMemory[];
extern const char kArrlIssuer[];

} // namespace texts
