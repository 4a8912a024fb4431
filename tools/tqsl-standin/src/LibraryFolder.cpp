#include "LibraryFolder.h"

#if defined(_WIN32)
#include <windows.h>

std::filesystem::path libraryFolder() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&libraryFolder), &module);
    char name[MAX_PATH];
    DWORD length = GetModuleFileNameA(module, name, MAX_PATH);
    return std::filesystem::path(std::string(name, length)).parent_path();
}

#else
#include <dlfcn.h>

std::filesystem::path libraryFolder() {
    Dl_info info{};
    dladdr(reinterpret_cast<void*>(&libraryFolder), &info);
    return std::filesystem::absolute(info.dli_fname).parent_path();
}
#endif
