#include "Store.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace {

const std::set<std::string, std::less<>> kFailSwitches = {
    "init_fail", "select_fail", "begin_fail",   "check_fail",
    "sign_fail", "base64_fail", "encoded_fail", "maxsize_fail"};
const std::set<std::string, std::less<>> kAttributes = {"callsign", "issuer", "email"};
constexpr std::string_view kNullText = "(null)";

std::string trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return std::string(text.substr(first, last - first + 1));
}

std::optional<std::string> readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string withoutCarriageReturns(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// Parses one store.conf, line by line, into the store.
class ConfReader {
  public:
    explicit ConfReader(const std::filesystem::path& folder) : folder_(folder) {}

    Store read() {
        const std::filesystem::path conf = folder_ / "store.conf";
        const std::optional<std::string> text = readFile(conf);
        if (!text)
            throw StoreError("No certificate store: cannot read " + conf.string());
        std::istringstream lines(*text);
        std::string line;
        while (std::getline(lines, line)) {
            ++lineNumber_;
            readLine(trim(line));
        }
        finishCert();
        return std::move(store_);
    }

  private:
    enum class Section { None, Behaviour, Cert };

    [[noreturn]] void fail(const std::string& problem) const {
        throw StoreError("store.conf line " + std::to_string(lineNumber_) + ": " + problem);
    }

    void readLine(const std::string& line) {
        if (line.empty() || line[0] == '#' || line[0] == ';')
            return;
        if (line == "[behaviour]")
            return startBehaviour();
        if (line == "[cert]")
            return startCert();
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            fail("expected [behaviour], [cert] or name = value");
        const std::string name = trim(std::string_view(line).substr(0, equals));
        const std::string value = trim(std::string_view(line).substr(equals + 1));
        if (!seen_.insert(name).second)
            fail("'" + name + "' given twice");
        if (section_ == Section::Behaviour)
            return readBehaviour(name, value);
        if (section_ == Section::Cert)
            return readCert(name, value);
        fail("'" + name + "' outside a section");
    }

    void startBehaviour() {
        finishCert();
        if (behaviourSeen_)
            fail("a second [behaviour] section");
        behaviourSeen_ = true;
        section_ = Section::Behaviour;
        seen_.clear();
    }

    void startCert() {
        finishCert();
        section_ = Section::Cert;
        seen_.clear();
        cert_ = CertEntry{};
    }

    void readBehaviour(const std::string& name, const std::string& value) {
        Behaviour& behaviour = store_.behaviour;
        if (kFailSwitches.count(name)) {
            behaviour.failures[name] = value == kNullText ? ErrorText() : ErrorText(value);
        } else if (name == "unterminated") {
            std::istringstream list(value);
            std::string attribute;
            while (std::getline(list, attribute, ',')) {
                attribute = trim(attribute);
                if (!kAttributes.count(attribute))
                    fail("unterminated names '" + attribute + "', not callsign, issuer or email");
                behaviour.unterminated.insert(attribute);
            }
        } else if (name == "password_buffer_size") {
            behaviour.passwordBufferSize = static_cast<int>(number(value, 1, 1 << 20));
        } else {
            fail("unknown behaviour '" + name + "'");
        }
    }

    void readCert(const std::string& name, const std::string& value) {
        if (name == "callsign") {
            cert_.callsign = value;
        } else if (name == "issuer") {
            cert_.issuer = value;
        } else if (name == "email") {
            cert_.email = value;
        } else if (name == "serial") {
            cert_.serial = static_cast<std::uint32_t>(number(value, 0, 4294967295u));
        } else if (name == "cert") {
            cert_.pem = withoutCarriageReturns(readNamedFile(value));
        } else if (name == "key") {
            cert_.key = readNamedFile(value);
            cert_.keyFile = value;
        } else {
            fail("unknown certificate attribute '" + name + "'");
        }
    }

    std::string readNamedFile(const std::string& name) const {
        std::optional<std::string> content = readFile(folder_ / name);
        if (!content)
            fail("cannot read '" + name + "'");
        return std::move(*content);
    }

    unsigned long long number(const std::string& value, unsigned long long min,
                              unsigned long long max) const {
        const bool digitsOnly =
            !value.empty() && value.size() <= 10 &&
            std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
        const unsigned long long parsed = digitsOnly ? std::stoull(value) : 0;
        if (!digitsOnly || parsed < min || parsed > max)
            fail("'" + value + "' is not a number from " + std::to_string(min) + " to " +
                 std::to_string(max));
        return parsed;
    }

    void finishCert() {
        if (section_ != Section::Cert)
            return;
        for (const char* required : {"callsign", "issuer", "serial", "cert"})
            if (!seen_.count(required))
                fail("the [cert] section above lacks '" + std::string(required) + "'");
        store_.certs.push_back(std::move(cert_));
        section_ = Section::None;
    }

    std::filesystem::path folder_;
    Store store_;
    CertEntry cert_;
    Section section_ = Section::None;
    std::set<std::string, std::less<>> seen_;
    bool behaviourSeen_ = false;
    int lineNumber_ = 0;
};

} // namespace

const ErrorText* Behaviour::failure(std::string_view step) const {
    const auto found = failures.find(step);
    return found == failures.end() ? nullptr : &found->second;
}

bool Behaviour::isUnterminated(std::string_view attribute) const {
    return unterminated.count(attribute) > 0;
}

Store loadStore(const std::filesystem::path& folder) {
    return ConfReader(folder).read();
}
