#include "Options.h"

#include <cerrno>
#include <cstdlib>

const char kUsage[] = "usage: validation-server --log-dir DIR [--mode MODE] [--port N]\n"
                      "  MODE: accept (default), status:NNN, close, garbage, slow:MS\n";

namespace {

std::optional<long long> ParseDecimal(const std::string& text, long long max) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value > max)
        return std::nullopt;
    return value;
}

bool StartsWith(const std::string& text, const char* prefix, std::string& rest) {
    const std::string p(prefix);
    if (text.compare(0, p.size(), p) != 0)
        return false;
    rest = text.substr(p.size());
    return true;
}

} // namespace

std::optional<FaultMode> ParseFaultMode(const std::string& text) {
    FaultMode mode;
    std::string rest;
    if (text == "accept") {
        mode.kind = FaultKind::Accept;
    } else if (text == "close") {
        mode.kind = FaultKind::Close;
    } else if (text == "garbage") {
        mode.kind = FaultKind::Garbage;
    } else if (StartsWith(text, "status:", rest)) {
        const auto status = ParseDecimal(rest, 599);
        if (!status || rest.size() != 3 || *status < 100)
            return std::nullopt;
        mode.kind = FaultKind::Status;
        mode.status = static_cast<int>(*status);
    } else if (StartsWith(text, "slow:", rest)) {
        // A day is far beyond any useful delay and keeps the poll timeout arithmetic safe.
        const auto delay = ParseDecimal(rest, 24LL * 60 * 60 * 1000);
        if (!delay)
            return std::nullopt;
        mode.kind = FaultKind::Slow;
        mode.delayMs = *delay;
    } else {
        return std::nullopt;
    }
    return mode;
}

std::optional<ServerOptions> ParseOptions(int argc, char** argv, std::string& error) {
    ServerOptions options;
    bool haveLogDir = false;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc) {
            error = "missing value after " + name;
            return std::nullopt;
        }
        const std::string value = argv[++i];
        if (name == "--log-dir") {
            options.logDir = value;
            haveLogDir = !value.empty();
        } else if (name == "--mode") {
            const auto mode = ParseFaultMode(value);
            if (!mode) {
                error = "unknown mode " + value;
                return std::nullopt;
            }
            options.mode = *mode;
        } else if (name == "--port") {
            const auto port = ParseDecimal(value, 65535);
            if (!port) {
                error = "bad port " + value;
                return std::nullopt;
            }
            options.port = static_cast<unsigned short>(*port);
        } else {
            error = "unknown option " + name;
            return std::nullopt;
        }
    }
    if (!haveLogDir) {
        error = "--log-dir is required";
        return std::nullopt;
    }
    return options;
}
