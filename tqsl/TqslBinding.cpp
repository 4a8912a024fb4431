#include "TqslBinding.h"

#include "Platform.h"

using namespace tqsl_platform;

CTqslBinding::~CTqslBinding() {
    // The library's certificates are never released: unloading frees them.
    if (m_hTqslLib)
        CloseLibrary(m_hTqslLib);
}

void CTqslBinding::LoadTqslLibrary() {
    const std::string folder = ReadInstallFolder();
    if (!folder.empty())
        LoadFromFolder(folder);
}

void CTqslBinding::LoadFromFolder(const std::string& folder) {
    // Companions are never unloaded; whether they load is not our concern:
    // the library itself fails to load without them if it needs them.
    for (const char* const* name = kCompanionLibraries; *name; ++name)
        OpenLibrary(folder + *name);

    m_nGeneration = 0;
    if (!Bind(folder + kGeneration1Library, 1, m_tqslGen1))
        Bind(folder + kGeneration2Library, 2, m_tqslGen2);
}

// Loads one generation's file; false when it does not load. A library that
// loads but lacks a function binds nothing.
template <class Table>
bool CTqslBinding::Bind(const std::string& path, int generation, Table& table) {
    m_strLibraryPath = path;
    m_hTqslLib = OpenLibrary(path);
    if (!m_hTqslLib)
        return false;
    if (Resolve(table))
        m_nGeneration = generation;
    return true;
}

// Resolves every entry in table order. A library that lacks one is unloaded so
// that no call can reach a missing entry.
template <class Table> bool CTqslBinding::Resolve(Table& table) {
#define TQSL_RESOLVE(result, name, params, args)                                                   \
    table.name = reinterpret_cast<decltype(table.name)>(FindFunction(m_hTqslLib, #name));          \
    if (!table.name && m_strMissing.empty())                                                       \
        m_strMissing = #name;
    TQSL_FUNCTIONS(TQSL_RESOLVE)
#undef TQSL_RESOLVE
    if (m_strMissing.empty())
        return true;
    CloseLibrary(m_hTqslLib);
    m_hTqslLib = nullptr;
    table = Table{};
    return false;
}

#define TQSL_DISPATCH(result, name, params, args)                                                  \
    result CTqslBinding::name params {                                                             \
        if (m_nGeneration == 1)                                                                    \
            return m_tqslGen1.name args;                                                           \
        return m_tqslGen2.name args;                                                               \
    }
TQSL_FUNCTIONS(TQSL_DISPATCH)
#undef TQSL_DISPATCH
