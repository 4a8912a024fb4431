#pragma once

#include "TestIdentity.h"

#include <string>

// The four parts of an authentication record, in the record's text form.
struct RecordFields {
    std::string callSign;
    std::string issuer; // "/C=US/O=.../CN=..." as X509_NAME_oneline writes it
    std::string serial;
    std::string email;

    std::string text() const { return callSign + "|" + issuer + "|" + serial + "|" + email; }
};

struct Identity {
    RecordFields fields; // what the certificate should be read as
    TestIdentity certificate;

    std::string signedBody(const RecordFields& record) const;
    std::string signedBody() const { return signedBody(fields); }
};

// ARRL-issued, call sign in its own attribute (CN differs), e-mail, serial above 2^31;
// its PEM and its signature of the record both contain '+' and '/'.
const Identity& ArrlIdentity();
// The issuer's CN contains '|'.
const Identity& PipeIssuerIdentity();
// No call sign attribute, so the call sign is the subject CN.
const Identity& CommonNameOnlyIdentity();
// No emailAddress in the subject.
const Identity& NoEmailIdentity();
