#include "Session.h"

#include "Arguments.h"
#include "Clock.h"
#include "DriverError.h"
#include "ProgramWindows.h"
#include "Screenshot.h"
#include "Window.h"

namespace wizard_driver {

std::string Session::answer(const std::string& line) {
    try {
        const auto [command, arguments] = splitFirstWord(line);
        return "ok" + dispatch(command, arguments);
    } catch (const std::exception& failure) {
        return std::string("error ") + failure.what();
    }
}

std::string Session::dispatch(const std::string& command, const std::string& arguments) {
    if (command == "start")
        return start(arguments);
    if (command == "wait-wizard")
        return waitWizard(arguments);
    if (command == "state")
        return state();
    if (command == "texts")
        return texts();
    if (command == "list")
        return list();
    if (command == "select")
        return select(arguments);
    if (command == "press")
        return press(arguments);
    if (command == "wait-page")
        return waitPage(arguments);
    if (command == "wait-dialog")
        return waitDialog(arguments);
    if (command == "type")
        return type(arguments);
    if (command == "dialog")
        return dialog(arguments);
    if (command == "wait-gone")
        return waitGone(arguments);
    if (command == "wait-exit")
        return waitExit(arguments);
    if (command == "screenshot")
        return screenshot(arguments);
    if (command == "kill")
        return kill();
    if (command == "quit") {
        finished_ = true;
        return "";
    }
    throw DriverError("unknown command \"" + command + "\"");
}

std::string Session::start(const std::string& commandLine) {
    if (commandLine.empty())
        throw DriverError("start needs a command line");
    return " " + std::to_string(target_.start(commandLine));
}

std::string Session::waitExit(const std::string& arguments) {
    const int timeoutMs = parseInt(arguments, "timeout");
    return " " + std::to_string(target_.waitExit(static_cast<DWORD>(timeoutMs)));
}

std::string Session::kill() {
    target_.kill();
    return "";
}

namespace {

bool paintPending(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE))
        return true;
    for (HWND child : childrenInZOrder(window)) {
        if (IsWindowVisible(child) && paintPending(child))
            return true;
    }
    return false;
}

HWND topmostVisibleWindow(const Target& target) {
    for (HWND window : target.topLevelWindows()) {
        RECT area{};
        if (IsWindowVisible(window) && GetWindowRect(window, &area) && area.right > area.left &&
            area.bottom > area.top)
            return window;
    }
    target.throwIfExited();
    throw DriverError("the program shows no window");
}

} // namespace

std::string Session::screenshot(const std::string& path) {
    if (path.empty())
        throw DriverError("screenshot needs a .bmp path");
    HWND window = topmostVisibleWindow(target_);
    // The screen shows what the program drew: wait for its pending paints, then
    // for one more trip through its queue, after which Wine flushes them out.
    const Deadline deadline(kQueryTimeoutMs);
    while (paintPending(window) && !deadline.passed())
        pollPause();
    if (HWND wizard = findWizard(target_))
        settle(wizard, deadline);
    return " " + captureWindowArea(window, fromUtf8(path));
}

void Session::notePress() {
    lastPressMs_ = nowMs();
}

} // namespace wizard_driver
