// DLLs loaded with LoadLibraryA from an install folder, as the program loads them.
#pragma once
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

class LoadedModule {
  public:
    explicit LoadedModule(const std::filesystem::path& file);
    ~LoadedModule();
    LoadedModule(LoadedModule&& other) noexcept;
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;
    LoadedModule& operator=(LoadedModule&&) = delete;

    bool loaded() const { return module_ != nullptr; }
    // GetLastError of a failed load.
    DWORD error() const { return error_; }
    void* symbol(const char* name) const;

  private:
    HMODULE module_;
    DWORD error_ = 0;
};

// What the program loads from the install folder before generation 1, in its order; on
// x86_64 generation 1 carries its runtime and needs libexpat.dll only.
std::vector<std::string> companionDlls();
// Every built stand-in file: both generations, the lacking variant and the companions.
std::vector<std::string> builtStandinFiles();
// Loads each companion from the folder, whether or not it loads.
std::vector<LoadedModule> loadCompanions(const std::filesystem::path& folder,
                                         const std::string& except = "");
