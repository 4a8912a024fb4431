#pragma once

#include <memory>

// An owning pointer to an OpenSSL object, released with its own free function.
template <typename T, void (*Free)(T*)> struct OpenSslFree {
    void operator()(T* object) const { Free(object); }
};
template <typename T, void (*Free)(T*)> using OpenSslPtr = std::unique_ptr<T, OpenSslFree<T, Free>>;
