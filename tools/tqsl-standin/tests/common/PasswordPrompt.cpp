#include "PasswordPrompt.h"

#include <algorithm>
#include <cstring>

int PasswordPrompt::callback(char* buf, int size, void* user) {
    auto& prompt = *static_cast<PasswordPrompt*>(user);
    ++prompt.calls;
    prompt.size = size;
    prompt.bufferPrefilled =
        std::all_of(buf, buf + size, [](char c) { return static_cast<unsigned char>(c) == 0xAA; });
    const std::size_t length = std::min(prompt.answer.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buf, prompt.answer.data(), length);
    buf[length] = '\0';
    return prompt.result;
}
