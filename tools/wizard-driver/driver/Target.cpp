#include "Target.h"

#include "Clock.h"
#include "DriverError.h"
#include "Window.h"

namespace wizard_driver {

Target::~Target() {
    if (running())
        TerminateProcess(process_.hProcess, 1);
    release();
}

DWORD Target::start(const std::string& commandLine) {
    if (running())
        throw DriverError("a program is already running (pid " +
                          std::to_string(process_.dwProcessId) + ")");
    release();
    std::wstring mutableLine = fromUtf8(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startedAtMs_ = nowMs();
    // No inherited handles: the program must not write into the protocol stream.
    if (!CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        process_ = {};
        throw DriverError("cannot start (" + std::to_string(GetLastError()) + "): " + commandLine);
    }
    return process_.dwProcessId;
}

void Target::kill() {
    if (!process_.hProcess)
        throw DriverError("no program started");
    if (running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, INFINITE);
    }
}

DWORD Target::waitExit(DWORD timeoutMs) {
    if (!process_.hProcess)
        throw DriverError("no program started");
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        throw DriverError("timeout waiting for the program to exit");
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

double Target::msSinceStart() const {
    return nowMs() - startedAtMs_;
}

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK collectProcessWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId)
        search.found.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> Target::topLevelWindows() const {
    if (!process_.hProcess)
        return {};
    WindowSearch search{process_.dwProcessId, {}};
    EnumWindows(collectProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void Target::throwIfExited() const {
    if (!process_.hProcess)
        throw DriverError("no program started");
    DWORD code = 0;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0 &&
        GetExitCodeProcess(process_.hProcess, &code))
        throw DriverError("exited " + std::to_string(code));
}

bool Target::running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

void Target::release() {
    if (process_.hProcess)
        CloseHandle(process_.hProcess);
    if (process_.hThread)
        CloseHandle(process_.hThread);
    process_ = {};
}

} // namespace wizard_driver
