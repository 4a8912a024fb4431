#include "RequestLog.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

std::string RequestLog::path(unsigned number, const char* suffix) const {
    char name[32];
    std::snprintf(name, sizeof name, "%04u.%s", number, suffix);
    return dir_ + "/" + name;
}

void RequestLog::write(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

void RequestLog::writeRequest(unsigned number, const std::string& bytes) const {
    write(path(number, "request"), bytes);
}

void RequestLog::writeVerdict(unsigned number, const std::string& line) const {
    write(path(number, "verdict"), line + "\n");
}
