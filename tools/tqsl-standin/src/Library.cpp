#include "Library.h"

#include "LibraryFolder.h"

Library& Library::instance() {
    static Library library;
    return library;
}

Library::Library() : folder_(libraryFolder() / "tqsl-store") {}

Store* Library::store() {
    if (store_)
        return &*store_;
    try {
        store_ = loadStore(folder_);
    } catch (const StoreError& error) {
        loadError_ = error.what();
        return nullptr;
    }
    certs_.resize(store_->certs.size());
    for (std::size_t i = 0; i < certs_.size(); ++i) {
        certs_[i].entry = &store_->certs[i];
        certs_[i].index = i;
        handles_.push_back(&certs_[i]);
    }
    return &*store_;
}

CertState* Library::find(void* handle) {
    for (CertState& cert : certs_)
        if (&cert == handle)
            return &cert;
    return nullptr;
}

std::string Library::identify(void* handle) {
    if (!handle)
        return "<null>";
    const CertState* cert = find(handle);
    if (!cert)
        return "<invalid>";
    return cert->identity();
}

std::string CertState::identity() const {
    return entry->callsign + "#" + std::to_string(index);
}
