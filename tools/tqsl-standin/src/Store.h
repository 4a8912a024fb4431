// The stand-in's certificate store: tqsl-store/store.conf and the files it names.
#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// What a failure reports; no value makes tqsl_getErrorString return a null pointer.
using ErrorText = std::optional<std::string>;

struct Behaviour {
    std::map<std::string, ErrorText, std::less<>> failures; // switch name -> its text
    std::set<std::string, std::less<>> unterminated;        // attribute names
    int passwordBufferSize = 256;

    // The text the step fails with, or null when its switch is not set.
    const ErrorText* failure(std::string_view step) const;
    bool isUnterminated(std::string_view attribute) const;
};

struct CertEntry {
    std::string callsign;
    std::string issuer;
    std::string email;
    std::uint32_t serial = 0;
    std::string pem; // LF line ends
    std::string keyFile;
    std::optional<std::string> key; // the key file's bytes
};

struct Store {
    Behaviour behaviour;
    std::vector<CertEntry> certs;
};

struct StoreError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads <folder>/store.conf and every file it names; throws StoreError with a readable text.
Store loadStore(const std::filesystem::path& folder);
