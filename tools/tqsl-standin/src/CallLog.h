// tqsl-store/calls.log: one line per call, so tests can follow what a program did.
#pragma once
#include <cstddef>
#include <filesystem>
#include <string>

std::string toHex(const unsigned char* data, std::size_t size);
// Appends the line and an LF; a missing store folder means no log.
void appendCallLine(const std::filesystem::path& logFile, const std::string& line);
