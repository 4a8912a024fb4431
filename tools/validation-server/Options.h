#pragma once

#include <optional>
#include <string>

enum class FaultKind { Accept, Status, Close, Garbage, Slow };

struct FaultMode {
    FaultKind kind = FaultKind::Accept;
    int status = 0;        // FaultKind::Status
    long long delayMs = 0; // FaultKind::Slow
};

struct ServerOptions {
    std::string logDir;
    FaultMode mode;
    unsigned short port = 0;
};

// Parses the command line; on failure returns nothing and sets `error`.
std::optional<ServerOptions> ParseOptions(int argc, char** argv, std::string& error);

// "accept", "status:NNN", "close", "garbage" or "slow:MS".
std::optional<FaultMode> ParseFaultMode(const std::string& text);

extern const char kUsage[];
