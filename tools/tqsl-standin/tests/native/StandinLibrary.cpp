#include "StandinLibrary.h"

#include <dlfcn.h>

#include <stdexcept>

StandinLibrary::StandinLibrary(const StandinSetup& setup) {
    const auto file = folder_.install(setup.libraryFile, setup.libraryFile);
    folder_.writeStore(setup.behaviour, setup.fixtures);
    handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_)
        throw std::runtime_error(dlerror());
    tqsl_ = Tqsl::resolve([this](const char* name) { return symbol(name); });
}

StandinLibrary::~StandinLibrary() {
    dlclose(handle_);
}

void* StandinLibrary::symbol(const char* name) const {
    return dlsym(handle_, name);
}

std::vector<void*> StandinLibrary::certificates() const {
    void** list = nullptr;
    int count = 0;
    if (tqsl_.selectCertificates(&list, &count, nullptr, 0, nullptr, nullptr, 0) != 0)
        return {};
    return std::vector<void*>(list, list + count);
}

std::string StandinLibrary::errorText() const {
    const char* text = tqsl_.getErrorString();
    return text ? text : "<null pointer>";
}
