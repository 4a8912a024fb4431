// A stand-in .so installed in a fresh folder with its own store and loaded with dlopen,
// as the program loads the real library from its install folder.
#pragma once
#include "InstallFolder.h"
#include "TqslFunctions.h"

#include <string>
#include <vector>

TQSL_FUNCTION_TABLE(Tqsl, )

struct StandinSetup {
    std::vector<std::string> fixtures = {"K1ABC", "W1AW"};
    std::string behaviour;
    std::string libraryFile = "libtqsllib.so";
};

class StandinLibrary {
  public:
    explicit StandinLibrary(const StandinSetup& setup = {});
    ~StandinLibrary();
    StandinLibrary(const StandinLibrary&) = delete;
    StandinLibrary& operator=(const StandinLibrary&) = delete;

    const Tqsl& tqsl() const { return tqsl_; }
    const InstallFolder& folder() const { return folder_; }
    void* symbol(const char* name) const;

    // The handles tqsl_selectCertificates lists; empty when it fails.
    std::vector<void*> certificates() const;
    // tqsl_getErrorString, with "<null pointer>" for a null result.
    std::string errorText() const;

  private:
    InstallFolder folder_;
    void* handle_ = nullptr;
    Tqsl tqsl_;
};
