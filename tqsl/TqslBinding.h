#pragma once

#include "TqslFunctions.h"

#include <string>

// The run-time binding to the TrustedQSL library: finds the install folder,
// loads the library of either generation and calls it by the generation loaded.
class CTqslBinding {
  public:
    CTqslBinding() = default;
    CTqslBinding(const CTqslBinding&) = delete;
    CTqslBinding& operator=(const CTqslBinding&) = delete;
    ~CTqslBinding();

    // Reads the install folder from the system's settings and loads from it.
    void LoadTqslLibrary();
    // Loads the companions, then generation 1, else generation 2, from folder.
    void LoadFromFolder(const std::string& folder);

    int Generation() const { return m_nGeneration; }
    // Set when a library loaded but lacks a function; nothing is bound then.
    const std::string& MissingFunction() const { return m_strMissing; }
    const std::string& LibraryPath() const { return m_strLibraryPath; }

#define TQSL_DISPATCH(result, name, params, args) result name params;
    TQSL_FUNCTIONS(TQSL_DISPATCH)
#undef TQSL_DISPATCH

  private:
    template <class Table> bool Bind(const std::string& path, int generation, Table& table);
    template <class Table> bool Resolve(Table& table);

    void* m_hTqslLib = nullptr;
    TqslEntriesGen1 m_tqslGen1 = {};
    TqslEntriesGen2 m_tqslGen2 = {};
    int m_nGeneration = 0;
    std::string m_strMissing;
    std::string m_strLibraryPath;
};
