#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wizard_driver {

// The one program under test: every window search is limited to its windows.
class Target {
  public:
    Target() = default;
    Target(const Target&) = delete;
    Target& operator=(const Target&) = delete;
    // Nothing the driver started outlives it.
    ~Target();

    DWORD start(const std::string& commandLine);
    void kill();
    DWORD waitExit(DWORD timeoutMs);

    double msSinceStart() const;
    // Top-level windows of the process, top of the z-order first.
    std::vector<HWND> topLevelWindows() const;
    // A wait that finds the program gone reports how it ended instead of timing out.
    void throwIfExited() const;

  private:
    bool running() const;
    void release();

    PROCESS_INFORMATION process_{};
    double startedAtMs_ = 0;
};

} // namespace wizard_driver
