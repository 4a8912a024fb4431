#pragma once

#include <optional>
#include <string>
#include <string_view>

// The three decoded values of the validation form.
struct SignedSubmission {
    std::string certificatePem;
    std::string record;
    std::string signatureBase64;
};

// Splits "cert=..&data=..&sig=.." (exactly these fields in this order) and decodes
// each value. The client's escaping leaves '+' ambiguous between a space and a plus,
// so each field resolves it by what it can hold; see FormFields.cpp.
std::optional<SignedSubmission> DecodeSubmission(std::string_view body, std::string& error);

// %XX becomes its byte; a '%' without two hex digits, and everything else, stays.
std::string PercentDecode(std::string_view text);
