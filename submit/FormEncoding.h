#pragma once

#include <string>

// Escapes one form field value the way the validation server expects it: the 30
// punctuation characters of the escape set become %XX, a space becomes '+', and
// everything else (letters, digits, '%', '+', control bytes, bytes above 0x7E)
// passes unchanged. Scans by characters of the process's ANSI code page, so a
// double-byte character passes whole even when its trail byte is punctuation.
std::string UrlEncodeField(const char* text);

// "cert=<cert>&data=<record>&sig=<signature>", each value escaped as above.
std::string BuildFormBody(const char* certText, const char* record, const char* signatureText);
