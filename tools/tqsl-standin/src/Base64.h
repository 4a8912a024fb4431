#pragma once
#include <cstddef>
#include <string>

// Base64 with a '\n' after every 64 characters and after the last line.
std::string encodeBase64Lines(const unsigned char* data, std::size_t size);
