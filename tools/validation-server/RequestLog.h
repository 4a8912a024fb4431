#pragma once

#include <string>
#include <utility>

// Numbered files per connection in one folder: NNNN.request with the raw bytes
// received, then NNNN.verdict with one line. Throws when a file cannot be written,
// since a test reading the log must never see a partial one.
class RequestLog {
  public:
    explicit RequestLog(std::string dir) : dir_(std::move(dir)) {}

    // Numbers the next connection: 1, 2, ... in order of arrival.
    unsigned next() { return ++count_; }

    void writeRequest(unsigned number, const std::string& bytes) const;
    void writeVerdict(unsigned number, const std::string& line) const;

  private:
    std::string path(unsigned number, const char* suffix) const;
    static void write(const std::string& path, const std::string& bytes);

    std::string dir_;
    unsigned count_ = 0;
};
