// Checks made with OpenSSL, independent of the stand-in's libgcrypt.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

// True when the signature is RSA PKCS#1 v1.5 over SHA-1 of the data, by the
// certificate's public key.
bool verifiesWithCertificate(const std::filesystem::path& certificatePem, const std::string& data,
                             const std::vector<unsigned char>& signature);
// Plain Base64, no line breaks.
std::string base64WithOpenSsl(const std::string& data);
