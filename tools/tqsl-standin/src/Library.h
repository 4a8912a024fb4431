// The state of one loaded stand-in library: its store, open signing keys, last error.
#pragma once
#include "SigningKey.h"
#include "Store.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// What a certificate handle points at.
struct CertState {
    const CertEntry* entry = nullptr;
    std::size_t index = 0;
    std::optional<SigningKey> signingKey; // set between tqsl_beginSigning and tqsl_endSigning

    // "CALL#index", as calls.log names the certificate.
    std::string identity() const;
};

class Library {
  public:
    static Library& instance();

    // Loads the store on first use (again after a failed load); null when it cannot be read.
    Store* store();
    const std::string& loadError() const { return loadError_; }
    // The handle's state, or null when it is no certificate of this store.
    CertState* find(void* handle);
    // The certificate's identity, "<null>" or "<invalid>".
    std::string identify(void* handle);
    std::vector<void*>& handles() { return handles_; }
    std::filesystem::path logFile() const { return folder_ / "calls.log"; }

    ErrorText lastError = std::string();

  private:
    Library();

    std::filesystem::path folder_;
    std::optional<Store> store_;
    std::string loadError_;
    std::vector<CertState> certs_; // never resized once loaded: handles point into it
    std::vector<void*> handles_;
};
