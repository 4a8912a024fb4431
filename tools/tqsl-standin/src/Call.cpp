#include "Call.h"

#include "CallLog.h"

namespace {
constexpr int kFailure = 1;
}

Call::Call(std::string function) : library_(Library::instance()), function_(std::move(function)) {}

Call::Call(std::string function, void* cert) : Call(std::move(function)) {
    cert_ = cert;
    hasCert_ = true;
}

Call::~Call() {
    std::string line = function_;
    if (hasCert_)
        line += " " + library_.identify(cert_);
    line += arguments_ + " => ";
    line += loggedResult_.empty() ? std::to_string(result_) : loggedResult_;
    line += outputs_;
    appendCallLine(library_.logFile(), line);
}

Store* Call::store() {
    Store* store = library_.store();
    if (!store)
        fail(library_.loadError());
    return store;
}

CertState* Call::cert() {
    if (!store())
        return nullptr;
    CertState* cert = library_.find(cert_);
    if (!cert)
        fail("Invalid certificate handle");
    return cert;
}

bool Call::failedBySwitch(std::string_view step) {
    const Store* loaded = store();
    if (!loaded)
        return true;
    const ErrorText* text = loaded->behaviour.failure(step);
    if (text)
        fail(*text);
    return text != nullptr;
}

void Call::argument(std::string_view name, std::string_view value) {
    arguments_.append(" ").append(name).append("=").append(value);
}

void Call::output(std::string_view name, std::string_view value) {
    outputs_.append(" ").append(name).append("=").append(value);
}

int Call::fail(const ErrorText& text) {
    library_.lastError = text;
    result_ = kFailure;
    return result_;
}

int Call::succeed() {
    result_ = 0;
    return result_;
}
