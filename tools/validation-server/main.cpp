#include "Options.h"
#include "Server.h"
#include "StopSignal.h"

#include <cerrno>
#include <cstdio>
#include <exception>
#include <sys/stat.h>

int main(int argc, char** argv) {
    std::string error;
    const auto options = ParseOptions(argc, argv, error);
    if (!options) {
        std::fprintf(stderr, "validation-server: %s\n%s", error.c_str(), kUsage);
        return 2;
    }
    if (mkdir(options->logDir.c_str(), 0777) != 0 && errno != EEXIST) {
        std::perror(options->logDir.c_str());
        return 1;
    }
    try {
        const StopSignal stop;
        Server server(*options, stop);
        std::printf("listening on 127.0.0.1:%u\n", static_cast<unsigned>(server.port()));
        std::fflush(stdout);
        server.run();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "validation-server: %s\n", e.what());
        return 1;
    }
    return 0;
}
