#pragma once

#include "FormFields.h"

#include <string>

struct CheckResult {
    bool accepted;
    std::string reason;
};

// Accepts when the certificate loads, the record names that certificate's call sign,
// issuer, serial and e-mail, and the signature verifies over the record with its key.
CheckResult CheckSubmission(const SignedSubmission& submission);
