#include "CurlLibrary.h"

#include <dlfcn.h>

namespace {

template <class Function> bool Resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

bool Load(CurlLibrary& curl) {
    void* library = dlopen("libcurl.so.4", RTLD_NOW | RTLD_LOCAL);
    return library && Resolve(library, "curl_easy_init", curl.easy_init) &&
           Resolve(library, "curl_easy_setopt", curl.easy_setopt) &&
           Resolve(library, "curl_easy_perform", curl.easy_perform) &&
           Resolve(library, "curl_easy_getinfo", curl.easy_getinfo) &&
           Resolve(library, "curl_easy_cleanup", curl.easy_cleanup) &&
           Resolve(library, "curl_slist_append", curl.slist_append) &&
           Resolve(library, "curl_slist_free_all", curl.slist_free_all);
}

} // namespace

const CurlLibrary* LoadCurl() {
    static CurlLibrary curl{};
    static const bool loaded = Load(curl);
    return loaded ? &curl : nullptr;
}
