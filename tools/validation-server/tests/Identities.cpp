#include "Identities.h"

#include "WireFormat.h"

#include <stdexcept>

namespace {

constexpr char kCallSignOid[] = "1.3.6.1.4.1.12348.1.1";

const std::vector<NameEntry> kArrlIssuer = {
    {"C", "US"},
    {"O", "American Radio Relay League"},
    {"OU", "Logbook of the World"},
    {"CN", "Logbook of the World Production CA"},
};

struct IdentityRecipe {
    std::vector<NameEntry> issuer;
    std::string callSign;
    bool callSignAttribute;
    std::string email;
    std::uint32_t serial;

    Identity make() const {
        IdentitySpec spec{issuer, {}, serial};
        spec.subject.push_back({"CN", callSignAttribute ? "Test Operator" : callSign});
        if (callSignAttribute)
            spec.subject.push_back({kCallSignOid, callSign});
        if (!email.empty())
            spec.subject.push_back({"emailAddress", email});
        RecordFields fields{callSign, "", std::to_string(serial), email};
        for (const auto& entry : issuer)
            fields.issuer += "/" + entry.field + "=" + entry.value;
        return Identity{fields, TestIdentity(spec)};
    }
};

bool HasPlusAndSlash(const std::string& base64) {
    return base64.find('+') != std::string::npos && base64.find('/') != std::string::npos;
}

} // namespace

std::string Identity::signedBody(const RecordFields& record) const {
    return FormBody(certificate.certificatePem(), record.text(), certificate.sign(record.text()));
}

const Identity& ArrlIdentity() {
    static const Identity identity = [] {
        const IdentityRecipe holder{kArrlIssuer, "K1ABC", true, "k1abc@example.org", 3000000000u};
        // Keys are random; retry until the Base64 holds the characters the decoding must
        // keep apart from spaces and escapes.
        for (int attempt = 0; attempt < 100; ++attempt) {
            Identity candidate = holder.make();
            if (HasPlusAndSlash(candidate.certificate.certificatePem()) &&
                HasPlusAndSlash(candidate.certificate.sign(candidate.fields.text())))
                return candidate;
        }
        throw std::runtime_error("no key gave '+' and '/' in the Base64");
    }();
    return identity;
}

const Identity& PipeIssuerIdentity() {
    static const Identity identity =
        IdentityRecipe{{{"C", "US"}, {"O", "American Radio Relay League"}, {"CN", "Test|CA|Two"}},
                       "W2PIP",
                       true,
                       "w2pip@example.org",
                       77}
            .make();
    return identity;
}

const Identity& CommonNameOnlyIdentity() {
    static const Identity identity =
        IdentityRecipe{kArrlIssuer, "W1AW", false, "w1aw@example.org", 1}.make();
    return identity;
}

const Identity& NoEmailIdentity() {
    static const Identity identity =
        IdentityRecipe{kArrlIssuer, "N0MAIL", true, "", 4294967295u}.make();
    return identity;
}
