#pragma once

#include <cstddef>
#include <string>

// The text a library wrote into a buffer of size bytes, up to its first zero
// byte or the buffer's end, whichever comes first.
std::string BufferText(const char* buffer, size_t size);

// call sign|issuer|serial|e-mail, nothing escaped; the serial as its 32-bit
// value in unsigned decimal.
std::string BuildAuthRecord(const std::string& callSign, const std::string& issuer, long serial,
                            const std::string& email);
