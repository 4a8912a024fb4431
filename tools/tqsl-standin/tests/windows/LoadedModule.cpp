#include "LoadedModule.h"

LoadedModule::LoadedModule(const std::filesystem::path& file)
    : module_(LoadLibraryA(file.string().c_str())) {
    if (!module_)
        error_ = GetLastError();
}

LoadedModule::~LoadedModule() {
    if (module_)
        FreeLibrary(module_);
}

LoadedModule::LoadedModule(LoadedModule&& other) noexcept
    : module_(other.module_), error_(other.error_) {
    other.module_ = nullptr;
}

void* LoadedModule::symbol(const char* name) const {
    return reinterpret_cast<void*>(GetProcAddress(module_, name));
}

std::vector<std::string> companionDlls() {
    if (sizeof(void*) == 4)
        return {"libexpat.dll", "libgcc_s_dw2-1.dll", "libstdc++-6.dll"};
    return {"libexpat.dll"};
}

std::vector<std::string> builtStandinFiles() {
    std::vector<std::string> files = companionDlls();
    files.insert(files.end(), {"tqsllib.dll", "tqsllib2.dll", "tqsllib2-lacking.dll"});
    return files;
}

std::vector<LoadedModule> loadCompanions(const std::filesystem::path& folder,
                                         const std::string& except) {
    std::vector<LoadedModule> modules;
    for (const std::string& name : companionDlls())
        if (name != except)
            modules.emplace_back(folder / name);
    return modules;
}
