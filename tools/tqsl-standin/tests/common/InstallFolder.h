// A throw-away install folder: stand-in library files copied from the build, and a
// tqsl-store composed from the fixtures of tools/test-certs.
#pragma once
#include <filesystem>
#include <string>
#include <vector>

class InstallFolder {
  public:
    InstallFolder();
    // A folder of a fixed name, emptied first: for files that stay locked until the
    // process ends, which only the next run can remove.
    explicit InstallFolder(const std::filesystem::path& fixedPath);
    ~InstallFolder();
    InstallFolder(const InstallFolder&) = delete;
    InstallFolder& operator=(const InstallFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path storeFolder() const { return path_ / "tqsl-store"; }

    // Copies a file of the built stand-in in; returns where it now is.
    std::filesystem::path install(const std::string& builtName,
                                  const std::string& installedName) const;
    // A store.conf with the behaviour lines, then each fixture's [cert] snippet; the
    // fixtures' certificate and key files are copied beside it.
    void writeStore(const std::string& behaviour, const std::vector<std::string>& fixtures) const;
    void writeStoreFile(const std::string& name, const std::string& content) const;
    std::vector<std::string> callLog() const;

  private:
    std::filesystem::path path_;
};

std::filesystem::path fixturePath(const std::string& name);
std::string readText(const std::filesystem::path& file);
