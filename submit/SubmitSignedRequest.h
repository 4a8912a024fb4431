#pragma once

#include <string>

// Posts certificate text, authentication record and Base64 signature as one form
// to the Corvalen validation server, under the wait cursor. True when the server
// answers "200"; otherwise false with the connection failure text in reason.
bool SubmitSignedRequest(const char* certText, const char* record, const char* signatureText,
                         std::string& reason);
